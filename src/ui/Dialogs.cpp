#include "ui/Dialogs.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "edit/Mouse.h"
#include "io/TextFile.h"

namespace zyt {
namespace {
QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}
QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}
}  // namespace

ReportDialog::ReportDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm5");
    setWindowTitle(QStringLiteral("Отчет о файле"));
    auto* lay = new QVBoxLayout(this);
    for (int i = 1; i <= 4; ++i)
        lay->addWidget(label(this, ("Label" + std::to_string(i)).c_str(), ""));
    auto* ok = button(this, "Button1", "OK");
    lay->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

void ReportDialog::showEmpty() {
    for (QLabel* l : findChildren<QLabel*>()) l->clear();
    show();
}

ExitDialog::ExitDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm20");
    setWindowTitle("exit from Zyt");
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(label(this, "Label1", "Save change in  file&?"));
    auto* row = new QHBoxLayout;
    auto* yes = button(this, "Button1", "&Yes");
    auto* no = button(this, "Button2", "&No");
    auto* cancel = button(this, "Button3", "&Cancel");
    row->addWidget(yes);
    row->addWidget(no);
    row->addWidget(cancel);
    lay->addLayout(row);
    connect(yes, &QPushButton::clicked, this, [this] { choose(1, 1); });
    connect(no, &QPushButton::clicked, this, [this] { choose(0, 1); });
    connect(cancel, &QPushButton::clicked, this, [this] { choose(0, 0); });
}

void ExitDialog::choose(int save, int quit) {
    saveOnExit = save;
    quitOnExit = quit;
    accept();
}

GenerateRandomDialog::GenerateRandomDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm30");
    setWindowTitle("Zyt - Generate Random");
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(new QLabel("Number of points", this));
    points_ = new QLineEdit("100", this);
    points_->setObjectName("LabeledEdit1");
    lay->addWidget(points_);
    lay->addWidget(new QLabel("Number of channels", this));
    channels_ = new QLineEdit("10", this);
    channels_->setObjectName("LabeledEdit2");
    lay->addWidget(channels_);
    auto* group = new QGroupBox("Choose Random Distribution", this);
    group->setObjectName("RadioGroup1");
    auto* gl = new QVBoxLayout(group);
    homogeneous_ = new QRadioButton("Homogeneous", group);
    homogeneous_->setObjectName("RadioGroup1Item0");
    gaussian_ = new QRadioButton("Gaussian", group);
    gaussian_->setObjectName("RadioGroup1Item1");
    homogeneous_->setChecked(true);
    gl->addWidget(homogeneous_);
    gl->addWidget(gaussian_);
    lay->addWidget(group);
    auto* gen = button(this, "Button1", "Generate");
    gen->setDefault(true);
    lay->addWidget(gen);
    connect(gen, &QPushButton::clicked, this, &QDialog::accept);
}

GenerateRandomParams GenerateRandomDialog::params() const {
    GenerateRandomParams p;
    p.pointsText = points_->text().toStdString();
    p.channelsText = channels_->text().toStdString();
    p.distribution = gaussian_->isChecked() ? 1 : 0;
    return p;
}

SavePlotDialog::SavePlotDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm9");
    setWindowTitle(QStringLiteral("Проверка"));
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(label(this, "Label1", QStringLiteral("Сохранить текущий график в файл?")));
    auto* row = new QHBoxLayout;
    auto* yes = button(this, "Button1", QStringLiteral("Да"));
    auto* no = button(this, "Button2", QStringLiteral("Нет"));
    auto* cancel = button(this, "Button3", QStringLiteral("Отмена"));
    row->addWidget(yes);
    row->addWidget(no);
    row->addWidget(cancel);
    lay->addLayout(row);
    connect(yes, &QPushButton::clicked, this, [this] {
        choice = Yes;
        accept();
    });
    connect(no, &QPushButton::clicked, this, [this] {
        choice = No;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        choice = Cancel;
        reject();
    });
}

MarkerDialog::MarkerDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm36");
    setWindowTitle("Form36");
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(label(this, "Label1", "deleted points save as "));
    combo_ = new QComboBox(this);
    combo_->setObjectName("ComboBox1");
    combo_->setEditable(true);
    combo_->addItems({"r", "99.9999"});
    lay->addWidget(combo_);
    auto* row = new QHBoxLayout;
    auto* ok = button(this, "Button1", "Ok");
    auto* cancel = button(this, "Button2", "Cancel");
    row->addWidget(ok);
    row->addWidget(cancel);
    lay->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(combo_, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        if (!quiet_ && onText) onText(t.toStdString());
    });
}

void MarkerDialog::prepare() {
    quiet_ = true;
    combo_->setCurrentIndex(0);
    combo_->setEditText(combo_->itemText(0));
    quiet_ = false;
}

LineListDialog::LineListDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm38");
    setWindowTitle("Form38");
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(label(this, "Label1", QStringLiteral("введите  линию")));
    combo_ = new QComboBox(this);
    combo_->setObjectName("ComboBox1");
    combo_->setEditable(true);
    combo_->setMinimumContentsLength(40);
    lay->addWidget(combo_);
    search_ = new QLineEdit(this);
    search_->setObjectName("Edit1");
    lay->addWidget(search_);
    auto* ok = button(this, "Button1", "Ok");
    ok->setDefault(true);
    lay->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(search_, &QLineEdit::textEdited, this, &LineListDialog::search);
}

void LineListDialog::loadLines(const std::string& fileName) {
    LineReader in(fileName);
    QStringList lines;
    std::string_view line;
    while (in.next(line)) lines << QString::fromUtf8(line.data(), qsizetype(line.size()));
    combo_->addItems(lines);
}

void LineListDialog::search(const QString& typed) {
    std::vector<std::string> items;
    items.reserve(std::size_t(combo_->count()));
    for (int i = 0; i < combo_->count(); ++i) items.push_back(combo_->itemText(i).toStdString());
    const int k = findLine(items, typed.toStdString());
    if (k >= 0) combo_->setCurrentIndex(k);
}

std::optional<std::string> LineListDialog::choose() {
    if (!shownBefore_) {
        shownBefore_ = true;
        if (combo_->count() < 2 && chooseListFile)
            if (auto f = chooseListFile()) loadLines(*f);
    }
    // Typing goes to the search first; the line itself stays editable.
    search_->clear();
    search_->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return combo_->currentText().toStdString();
}

InfoWindow::InfoWindow(const char* objectName, const QString& caption, QWidget* parent)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(caption);
    auto* lay = new QVBoxLayout(this);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("Memo1");
    text_->setReadOnly(true);
    lay->addWidget(text_);
    resize(640, 480);
}

void InfoWindow::setText(const QString& t) {
    text_->setPlainText(t);
}
QString InfoWindow::text() const {
    return text_->toPlainText();
}

}  // namespace zyt
