#include "ui/TransformDialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "io/NumberParse.h"

namespace zyt {

LinearTransformDialog::LinearTransformDialog(char decimalSep, QWidget* parent)
    : QDialog(parent), decimalSep_(decimalSep) {
    setObjectName("TForm33");
    setWindowTitle("Linear Transform");
    auto* row = new QHBoxLayout;
    const char* texts[4] = {"0", "1", "0", "1"};
    const char* before[4] = {"y=", "+", "*y + ", "*y [ "};
    for (int i = 0; i < 4; ++i) {
        row->addWidget(new QLabel(before[i], this));
        edit_[i] = new QLineEdit(texts[i], this);
        edit_[i]->setObjectName(QString("Edit%1").arg(i + 1));
        edit_[i]->setMaximumWidth(80);
        row->addWidget(edit_[i]);
    }
    edit_[3]->setToolTip("number enaze cgannel");
    row->addWidget(new QLabel(" ] ", this));
    all_ = new QCheckBox("for _all_ points   |   current point only", this);
    all_->setObjectName("CheckBox1");
    all_->setChecked(true);
    channel_ = new QCheckBox("for current channel  |   time (0)", this);
    channel_->setObjectName("CheckBox2");
    channel_->setChecked(true);
    // Checking the channel box unchecks "all points".
    connect(channel_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) all_->setChecked(false);
    });
    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("Button1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &LinearTransformDialog::ok);
    auto* v = new QVBoxLayout(this);
    v->addLayout(row);
    v->addWidget(all_);
    v->addWidget(channel_);
    v->addWidget(ok);
}

void LinearTransformDialog::ok() {
    LinearTransformFields f;
    f.edit1 = edit_[0]->text().toStdString();
    f.edit2 = edit_[1]->text().toStdString();
    f.edit3 = edit_[2]->text().toStdString();
    f.edit4 = edit_[3]->text().toStdString();
    f.checkBox1 = all_->isChecked();
    f.checkBox2 = channel_->isChecked();
    accepted = acceptLinearTransform(f, decimalSep_);
    // The separators were replaced in the fields; show them so.
    edit_[0]->setText(QString::fromStdString(f.edit1));
    edit_[1]->setText(QString::fromStdString(f.edit2));
    edit_[2]->setText(QString::fromStdString(f.edit3));
    edit_[3]->setText(QString::fromStdString(f.edit4));
    if (accepted) accept();
}

SplitDialog::SplitDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm35");
    setWindowTitle("Form35");
    edit_ = new QLineEdit("0", this);
    edit_->setObjectName("Edit1");
    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("Button1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        // Parsed as typed, without replacing the separators.
        if (auto v = parseNumber(edit_->text().toStdString())) {
            boundary = *v;
            accept();
        }
    });
    auto* l = new QHBoxLayout(this);
    l->addWidget(new QLabel("boundary of signal ", this));
    l->addWidget(edit_);
    l->addWidget(ok);
}

SigmaDialog::SigmaDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm37");
    setWindowTitle("Form37");
    auto* check = new QCheckBox("limiting value of sigma", this);
    check->setObjectName("CheckBox1");
    edit_ = new QLineEdit("1", this);
    edit_->setObjectName("Edit1");
    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("btn1");
    connect(ok, &QPushButton::clicked, this, [this] {
        if (onOk) onOk(edit_->text().toStdString());
    });
    auto* l = new QHBoxLayout(this);
    l->addWidget(check);
    l->addWidget(edit_);
    l->addWidget(ok);
}

}  // namespace zyt
