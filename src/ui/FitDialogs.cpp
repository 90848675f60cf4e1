#include "ui/FitDialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "fit/ApproximationCommands.h"
#include "fit/FitReports.h"

namespace zyt {

void DoubleClickLabel::mouseDoubleClickEvent(QMouseEvent* e) {
    if (onDoubleClick) onDoubleClick();
    QLabel::mouseDoubleClickEvent(e);
}

namespace {

constexpr const char* kEditNames[] = {"Edit1", "Edit3", "Edit4", "Edit5",
                                      "Edit6", "Edit7", "Edit8"};

constexpr const char* kBoxCaptions[8] = {nullptr,
                                         "use symmetric trigonometric polynomial",
                                         "Auto mean time subtraction",
                                         "Double Phase",
                                         "round mean time to integer",
                                         "use sigma",
                                         "for all channels",
                                         "used visible data "};

}  // namespace

PolynomialWindow::PolynomialWindow(State& s, QWidget* parent) : QDialog(parent), model_(s) {
    setObjectName("TForm23");
    setWindowTitle(PolynomialDialog::kCaption);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    auto edit = [&](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setMaximumWidth(110);
        edits_[name] = e;
        return e;
    };
    auto* degreeLabel = new QLabel("degree of the polynomial", this);
    degreeLabel->setObjectName("Label1");
    grid->addWidget(degreeLabel, 0, 0);
    grid->addWidget(edit("Edit1"), 0, 1);
    for (int c = 1; c <= 3; ++c) {
        auto* head = new DoubleClickLabel(QString("%1 period").arg(c), this);
        head->setObjectName(QString("Label%1").arg(c + 2));
        head->setToolTip("Double click: the period of the light elements");
        head->onDoubleClick = [this, c] {
            copyIntoModel();
            model_.labelDoubleClick(c);
            mirror();
        };
        grid->addWidget(head, 1, c, Qt::AlignHCenter);
    }
    auto* periodLabel = new QLabel("period", this);
    periodLabel->setObjectName("Label2");
    grid->addWidget(periodLabel, 2, 0);
    auto* trigLabel = new QLabel("degree of the trigonometrical polynomial", this);
    trigLabel->setObjectName("Label6");
    grid->addWidget(trigLabel, 3, 0);
    for (int c = 1; c <= 3; ++c) {
        grid->addWidget(edit(PolynomialDialog::periodField(c).c_str()), 2, c);
        grid->addWidget(edit(PolynomialDialog::degreeField(c).c_str()), 3, c);
    }

    auto* boxes = new QGridLayout;
    for (int b = 1; b <= 7; ++b) {
        boxes_[b] = new QCheckBox(kBoxCaptions[b], this);
        boxes_[b]->setObjectName(QString("CheckBox%1").arg(b));
        boxes->addWidget(boxes_[b], (b - 1) / 2, (b - 1) % 2);
    }

    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("Button1");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("Button2");
    connect(ok, &QPushButton::clicked, this, &PolynomialWindow::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(grid);
    lay->addSpacing(6);
    lay->addLayout(boxes);
    lay->addSpacing(6);
    lay->addLayout(buttons);
    mirror();
}

bool PolynomialWindow::run() {
    return exec() == QDialog::Accepted;
}

void PolynomialWindow::mirror() {
    for (const char* name : kEditNames)
        edits_[name]->setText(QString::fromStdString(model_.field(name)));
    for (int b = 1; b <= 7; ++b) {
        boxes_[b]->setEnabled(model_.enabled(b));
        boxes_[b]->setChecked(model_.checked(b));
    }
    setWindowTitle(QString::fromStdString(model_.caption()));
}

void PolynomialWindow::copyIntoModel() {
    for (const char* name : kEditNames) model_.setField(name, edits_[name]->text().toStdString());
    for (int b = 1; b <= 7; ++b) model_.setChecked(b, boxes_[b]->isChecked());
}

void PolynomialWindow::showEvent(QShowEvent* e) {
    model_.activate();
    mirror();
    QDialog::showEvent(e);
}

void PolynomialWindow::ok() {
    copyIntoModel();
    if (model_.ok().empty()) {
        accept();
        return;
    }
    // Refused: the fields show the replaced separators, the caption may say why.
    mirror();
}

CoefficientsWindow::CoefficientsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm29");
    setWindowTitle(kCoefficientsCaption);
    setModal(false);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("Memo1");
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(memo_);
    // Wide enough for the harmonic lines (about 115 characters).
    const QFontMetrics fm(memo_->font());
    resize(fm.horizontalAdvance(QString(118, QChar('0'))) + 60, fm.lineSpacing() * 26 + 40);
}

void CoefficientsWindow::reload() {
    QFile f(QString::fromLatin1(kKoefFileName));
    if (!f.open(QIODevice::ReadOnly)) {
        memo_->setPlainText(QString("%1: %2").arg(kKoefFileName, f.errorString()));
        return;
    }
    QString text = QString::fromUtf8(f.readAll());
    text.replace("\r\n", "\n");
    memo_->setPlainText(text);
}

void CoefficientsWindow::showReport() {
    reload();
    show();
    raise();
    activateWindow();
}

QString CoefficientsWindow::text() const {
    return memo_->toPlainText();
}

bool CoefficientsWindow::event(QEvent* e) {
    if (e->type() == QEvent::Show || e->type() == QEvent::WindowActivate) reload();
    return QDialog::event(e);
}

}  // namespace zyt
