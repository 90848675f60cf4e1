#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "edit/Mouse.h"
#include "io/DataReader.h"
#include "io/DataWriter.h"
#include "io/GenerateRandom.h"
#include "io/NumberParse.h"
#include "io/Settings.h"
#include "plot/ChannelRenderer.h"
#include "plot/ControlStates.h"
#include "plot/ViewModel.h"
#include "ui/Actions.h"
#include "ui/Dialogs.h"
#include "ui/FitDialogs.h"
#include "ui/InfoTexts.h"
#include "ui/KeyDispatch.h"
#include "ui/PlotWidget.h"
#include "ui/TransformActions.h"
#include "ui/TransformDialogs.h"

namespace zyt {

void DragLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && onDragStart) onDragStart();
}

// The dragged caption's top left corner follows the pointer over the plot.
void DragLabel::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton)) return;
    QWidget* plot = parentWidget();
    const QPoint p = mapToParent(e->position().toPoint());
    if (plot && plot->rect().contains(p)) move(p);
}

void WindowReporter::message(std::string_view text) {
    const std::string t(text);
    if (intercept) {
        intercept(t);
        return;
    }
    QMessageBox::information(parent_, QString::fromStdString(kProgramTitle),
                             QString::fromStdString(t));
}

MainWindow::MainWindow(State& s, std::string commandLineFile, QWidget* parent)
    : QMainWindow(parent), s_(s), reporter_(this), commandLineFile_(std::move(commandLineFile)) {
    setObjectName("TForm1");
    setWindowTitle("Zyt");
    setMinimumSize(400, 300);
    QApplication::setApplicationName(QString::fromStdString(kProgramTitle));
    s_.appTitle = kProgramTitle;

    chooseOpenFiles = [this] {
        const QStringList names = QFileDialog::getOpenFileNames(
            this, "Open", QString(),
            "Dat File (*.dat);;Txt File(*.txt);;line file (*.lin);;all files (*)");
        std::vector<std::string> out;
        for (const QString& n : names) out.push_back(n.toStdString());
        return out;
    };
    chooseSaveFile = [this](const QString& title,
                            const QString& filter) -> std::optional<std::string> {
        const QString start = QString::fromStdString(s_.openDialogFileName);
        const QString n = QFileDialog::getSaveFileName(this, title, start, filter);
        if (n.isEmpty()) return std::nullopt;
        return n.toStdString();
    };

    buildPanels();
    buildActions();

    // The dialogs live for the whole run.
    linearDialog_ = new LinearTransformDialog(s_.table.decimalSep, this);
    splitDialog_ = new SplitDialog(this);
    sigmaDialog_ = new SigmaDialog(this);
    sigmaDialog_->onOk = [this](const std::string& limit) {
        runGuarded([&] { sigmaFilter(s_, limit); });
    };
    form5_ = new ReportDialog(this);
    form7_ = new InfoWindow("TForm7", QStringLiteral("Общие сведения"), this);
    form7_->setText(generalInfoText());
    form8_ = new InfoWindow("TForm8", QStringLiteral("Правила пользования"), this);
    form8_->setText(rulesText());
    form9_ = new SavePlotDialog(this);
    form20_ = new ExitDialog(this);
    form23_ = new PolynomialWindow(s_, this);
    form29_ = new CoefficientsWindow(this);
    form30_ = new GenerateRandomDialog(this);
    form36_ = new MarkerDialog(this);
    form36_->onText = [this](const std::string& t) { setDelMarker(s_, t); };
    form38_ = new LineListDialog(this);
    form38_->chooseListFile = [this]() -> std::optional<std::string> {
        const QString n = QFileDialog::getOpenFileName(this, "Open", QString(),
                                                       "text (*.txt *.dat *.lin);;all files (*)");
        if (n.isEmpty()) return std::nullopt;
        return n.toStdString();
    };

    qApp->installEventFilter(new KeyDispatcher(*this));
    if (s_.view.enabled.empty()) setStartControls(s_);
    syncFromState();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(findChild<KeyDispatcher*>());
}

void MainWindow::buildPanels() {
    auto* central = new QWidget(this);
    auto* lay = new QVBoxLayout(central);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);

    panel1_ = new QFrame(central);
    panel1_->setObjectName("Panel1");
    panel1_->setFrameShape(QFrame::StyledPanel);
    auto* bar = new QHBoxLayout(panel1_);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->setSpacing(2);
    lay->addWidget(panel1_);

    image1_ = new PlotWidget(central);
    image1_->onResize = [this](int w, int h) { plotResized(w, h); };
    image1_->setMouseTracking(true);
    auto mouse = [this](Effects (*f)(State&, int, int, MouseButtons)) {
        return [this, f](int x, int y, Qt::KeyboardModifiers m, bool left) {
            runGuarded([&] {
                MouseButtons b{(m & Qt::ControlModifier) != 0, (m & Qt::AltModifier) != 0, left};
                applyEffects(f(s_, x, y, b));
                const MouseState& ms = s_.mouse;
                image1_->setBand(ms.bandShown && (ms.selectionReady || (b.alt && left)),
                                 QRect(QPoint(ms.fixedX, ms.fixedY), QPoint(ms.movingX, ms.movingY))
                                     .normalized());
            });
        };
    };
    image1_->onPress = mouse(mousePress);
    image1_->onMove = mouse(mouseMove);
    image1_->onRelease = mouse(mouseRelease);
    lay->addWidget(image1_, 1);

    panel2_ = new QFrame(central);
    panel2_->setObjectName("Panel2");
    panel2_->setFrameShape(QFrame::StyledPanel);
    auto* status = new QHBoxLayout(panel2_);
    status->setContentsMargins(6, 2, 6, 2);
    auto makeLabel = [&](const char* name, int stretch) {
        auto* l = new QLabel(panel2_);
        l->setObjectName(name);
        status->addWidget(l, stretch);
        return l;
    };
    label1_ = makeLabel("Label1", 0);
    label2_ = makeLabel("Label2", 0);
    label4_ = makeLabel("Label4", 1);
    label8_ = makeLabel("Label8", 3);
    lay->addWidget(panel2_);
    setCentralWidget(central);

    auto makeCaption = [&](const char* name, const QString& text) {
        auto* l = new DragLabel(text, image1_);
        l->setObjectName(name);
        l->setCursor(Qt::SizeAllCursor);
        const int number = name[5] - '0';
        l->onDragStart = [this, number] { s_.mouse.draggedLabel = number; };
        l->hide();
        return l;
    };
    label5_ = makeCaption("Label5", "");
    label6_ = makeCaption("Label6", "m");
    label7_ = makeCaption("Label7", "Time");
}

void MainWindow::buildActions() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("File1");
    QMenu* approximation = menuBar()->addMenu("&Approximation");
    approximation->setObjectName("Approximation1");
    QMenu* form = menuBar()->addMenu("For&m");
    form->setObjectName("Form1");
    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("View1");
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Help1");
    auto* bar = static_cast<QHBoxLayout*>(panel1_->layout());
    const std::map<Place, QMenu*> menus = {{Place::File, file},
                                           {Place::Approximation, approximation},
                                           {Place::Form, form},
                                           {Place::View, view}};

    for (const ActionSpec& a : actionTable()) {
        auto* act = new QAction(QString::fromUtf8(a.caption), this);
        act->setObjectName(a.name);
        if (*a.shortcut) act->setShortcut(QKeySequence(QString::fromLatin1(a.shortcut)));
        act->setCheckable(a.checkable);
        act->setChecked(a.checked);
        act->setEnabled(a.enabled);
        if (a.handler) {
            const Handler h = a.handler;
            connect(act, &QAction::triggered, this, [this, h] { (this->*h)(); });
        }
        actions_[a.name] = act;
        if (a.place == Place::ToolBar) {
            auto* b = new QToolButton(panel1_);
            b->setObjectName(a.name);
            b->setAutoRaise(true);  // flat
            b->setDefaultAction(act);
            b->setToolTip(QString::fromUtf8(a.caption));
            if (a.icon >= 0) {
                act->setIcon(style()->standardIcon(QStyle::StandardPixmap(a.icon)));
                b->setToolButtonStyle(Qt::ToolButtonIconOnly);
            }
            b->setVisible(a.handler != nullptr);
            toolButtons_.push_back(b);
            bar->addWidget(b);
            addAction(act);  // keeps its shortcut alive while the bar is hidden
            continue;
        }
        if (!a.handler) continue;  // menu items of later work stay out of the menus
        auto m = menus.find(a.place);
        (m == menus.end() ? help : m->second)->addAction(act);
    }

    QMenu* reduction = new QMenu("&Reduction", this);
    reduction->setObjectName("Reduction1");
    menuBar()->insertMenu(help->menuAction(), reduction);
    for (const TransformAction& t : transformActions()) {
        auto* act = new QAction(QString::fromUtf8(t.caption), this);
        act->setObjectName(t.name);
        if (*t.shortcut) act->setShortcut(QKeySequence(QString::fromLatin1(t.shortcut)));
        act->setCheckable(t.checkable);
        auto run = t.run;
        connect(act, &QAction::triggered, this, [this, run] {
            runGuarded([&] {
                if (s_.table.fileList) applyEffects(run(s_));
            });
        });
        actions_[t.name] = act;
        (t.reductionMenu ? reduction : view)->addAction(act);
    }
    addDialogCommand(view, "yyconst1", "y=y+ const", [this] {
        linearDialog_->setDecimalSep(s_.table.decimalSep);
        linearDialog_->accepted.reset();
        const bool ok = linearDialog_->exec() == QDialog::Accepted && linearDialog_->accepted;
        // Closing the dialog otherwise still recomputes and redraws.
        applyEffects(ok ? linearTransform(s_, *linearDialog_->accepted) : kRangesAndPicture);
    });
    addDialogCommand(view, "Splitchannelbysignal1", "Split channel by signal", [this] {
        if (s_.table.dataFileName.empty()) return;
        if (splitDialog_->exec() != QDialog::Accepted) return;
        applyEffects(splitChannelBySignal(s_, reporter_, splitDialog_->boundary));
    });
    addDialogCommand(view, "errorbarsetings1", "error bar setings", [this] {
        if (s_.menu.evenchanneliserror1) sigmaDialog_->show();
    });

    spin_ = new QSpinBox(panel1_);
    spin_->setObjectName("spinedit1");
    spin_->setReadOnly(true);
    spin_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spin_->setMinimum(1);
    spin_->setMaximum(1);
    spin_->setToolTip("Channels shown");
    bar->addSpacing(12);
    bar->addWidget(spin_);
    auto* spinButton = new QWidget(panel1_);
    spinButton->setObjectName("SpinButton1");
    auto* sl = new QVBoxLayout(spinButton);
    sl->setContentsMargins(0, 0, 0, 0);
    sl->setSpacing(0);
    auto* up = new QToolButton(spinButton);
    up->setObjectName("SpinButton1Up");
    up->setArrowType(Qt::UpArrow);
    up->setFixedSize(18, 11);
    up->setToolTip("More channels");
    auto* down = new QToolButton(spinButton);
    down->setObjectName("SpinButton1Down");
    down->setArrowType(Qt::DownArrow);
    down->setFixedSize(18, 11);
    down->setToolTip("Fewer channels");
    sl->addWidget(up);
    sl->addWidget(down);
    connect(up, &QToolButton::clicked, this, &MainWindow::SpinButton1UpClick);
    connect(down, &QToolButton::clicked, this, &MainWindow::SpinButton1DownClick);
    bar->addWidget(spinButton);
    bar->addStretch(1);
}

QString MainWindow::rulesText() {
    QString keys;
    for (const KeySpec& k : keyTable()) keys += "  " + QString::fromUtf8(k.description) + "\n";
    keys += QString::fromUtf8(
        "  Left / Right: previous / next point of the current channel (wraps at the ends)\n"
        "  Up / Down: highest / lowest point of the channel in the window\n"
        "  Ctrl+Up / Ctrl+Down: previous / next channel\n"
        "  Home / End: first / last point of the window\n"
        "  Numpad 6 / 4: next / previous local extremum; Numpad 9 / 7: peaks; Numpad 3 / 1: "
        "troughs\n"
        "  Numpad + / Numpad -: zoom in / out around the cursor\n"
        "  [ / ] / E: left edge, right edge, centre of the window on the cursor\n"
        "  R: show everything; 7: value ranges of the visible points; 8: zoom to the rectangle\n"
        "  N: equal scales on both axes\n"
        "  Numpad /: flip the value axes; Ctrl+Numpad /: flip the current channel\n"
        "  Delete: delete the point; Ctrl+Delete: delete the row; D: delete the channel\n"
        "  Ctrl+Z: undo the last point deletion\n"
        "  V: replace the point by an interpolation; Insert: parabolic extremum (ext.dat)\n"
        "  Q / W: +1 to the start / end from the cursor; Z / X: -1 to the start / end\n"
        "  M: convert magnitudes and fluxes; I: switch the unit without converting\n"
        "  A: mark or unmark the channel; T: channel 2 := saved observation times\n"
        "  Ctrl+Numpad 0: values at the lower range := 0\n"
        "  9 / 0: interval start / end into the interval file\n"
        "  Numpad *: day2cycle (x=1/x); \\: x=-x\n"
        "  P: fit on or off with the stored model; K: coefficients into koef.info\n"
        "  Alt+arrows: move an edge of the rectangle; Alt+S: line-list entry (ttt.dat)\n"
        "  Space: show two channels\n"
        "  Mouse: click picks a point; Ctrl+click deletes up to the pointer; Alt+drag draws a "
        "rectangle\n");
    for (const ActionSpec& a : actionTable()) {
        if (!*a.shortcut || !a.handler) continue;
        QString caption = QString::fromUtf8(a.caption).remove('&').trimmed();
        keys += "  " + QString::fromLatin1(a.shortcut) + ": " + caption + "\n";
    }
    return rulesIntroText() + keys;
}

bool MainWindow::event(QEvent* e) {
    const bool r = QMainWindow::event(e);
    if (e->type() == QEvent::WindowActivate) activated();
    // Without a window manager the window may never be activated; the first
    // showing then stands in for the first activation.
    if (e->type() == QEvent::Show && !activatedOnce_) {
        if (QScreen* sc = screen(); sc && windowState() & Qt::WindowMaximized)
            setGeometry(sc->availableGeometry());
        QTimer::singleShot(0, this, [this] {
            if (!activatedOnce_) activated();
        });
    }
    return r;
}

void MainWindow::activated() {
    s_.table.decimalSep = probeDecimalSep();
    s_.caption = kProgramTitle;
    s_.view.pictureSaved = 1;
    if (!activatedOnce_) firstActivation();
    syncFromState();
    if (!commandLineDone_ && !commandLineFile_.empty()) openCommandLineFile();
}

// Settings a person changes in dialogs; only the first activation resets them,
// so that coming back from a dialog does not undo the choice.
void MainWindow::firstActivation() {
    activatedOnce_ = true;
    s_.table.delMarker = "r";
    s_.view.symbolName = "circle";
    s_.view.fgColor = kBlack;
    label5_->clear();
    label6_->setText("m");
    label7_->setText("Time");
    label5_->hide();
    label6_->hide();
    label7_->hide();
    label5_->move(image1_->width() / 2 - 60, 4);
    label6_->move(8, 15);
    label7_->move(image1_->width() / 2 - 30, image1_->height() - 15 - label7_->sizeHint().height());
}

void MainWindow::openCommandLineFile() {
    commandLineDone_ = true;
    runGuarded([&] {
        s_.caption = commandLineFile_;
        s_.openDialogFileName = commandLineFile_;
        canvas_.picture = blankImage(s_.view.imageWidth, s_.view.imageHeight);
        if (openWithoutDialog(s_, reporter_, {commandLineFile_})) afterLoadRedraw();
    });
    syncFromState();
}

void MainWindow::runGuarded(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        QMessageBox::critical(this, QString::fromStdString(kProgramTitle),
                              QString::fromUtf8(e.what()));
    }
    syncFromState();
}

void MainWindow::redraw() {
    Pictures(s_, canvas_);
    image1_->setPicture(canvas_.picture);
}

void MainWindow::addDialogCommand(QMenu* menu, const char* name, const char* caption,
                                  std::function<void()> run) {
    auto* act = new QAction(QString::fromUtf8(caption), this);
    act->setObjectName(name);
    connect(act, &QAction::triggered, this, [this, run] {
        runGuarded([&] {
            if (s_.table.fileList) run();
        });
    });
    actions_[name] = act;
    menu->addAction(act);
}

void MainWindow::pressKey(const KeyPress& k) {
    runGuarded([&] {
        KeyContext ctx{s_, reporter_, [this] { exitWithQuestion(); },
                       [this] { return form38_->choose(); }, ""};
        applyEffects(keys_.press(ctx, k));
    });
}

void MainWindow::applyEffects(const Effects& e) {
    if (e.fitOff) s_.fitResult.fitOn = false;
    if (!haveData(s_)) return;
    if (e.ranges) computeRanges(s_, &reporter_);
    if (e.visibleWindow) computeVisibleWindow(s_);
    if (e.picture) {
        redraw();
    } else if (e.cursor && !canvas_.picture.isNull()) {
        redrawCursor(s_, canvas_);
        image1_->setPicture(canvas_.picture);
    }
}

void MainWindow::afterLoadRedraw() {
    afterLoad(s_);
    redraw();
}

void MainWindow::plotResized(int w, int h) {
    s_.view.imageWidth = std::max(w, 100);
    s_.view.imageHeight = std::max(h, 100);
    if (!haveData(s_) || canvas_.picture.isNull()) return;
    computeRanges(s_);
    redraw();
    syncFromState();
}

void MainWindow::syncFromState() {
    setWindowTitle(QString::fromStdString(s_.caption));
    for (const auto& [name, on] : s_.view.enabled) {
        auto it = actions_.find(name);
        if (it != actions_.end()) it->second->setEnabled(on);
    }
    actions_["mag1"]->setChecked(s_.menu.mag1);
    actions_["linesforUnMarkchanel1"]->setChecked(s_.view.linesForUnmarked);
    actions_["Phase02"]->setChecked(s_.view.phase02);
    actions_["evenchanneliserror1"]->setChecked(s_.menu.evenchanneliserror1);
    actions_["saveapproximation05151"]->setChecked(s_.fit.saveapproximation05151);
    {
        const QSignalBlocker block(spin_);
        spin_->setMaximum(std::max(s_.view.spinMax, 1));
        spin_->setValue(s_.view.spinValue);
    }
    label1_->setText(QString::fromStdString(s_.view.label1));
    label2_->setText(QString::fromStdString(s_.view.label2));
    label4_->setText(QString::fromStdString(s_.view.label4));
    if (auto status = reporter_.takeStatus()) s_.view.label8 = *status;
    label8_->setText(QString::fromStdString(s_.view.label8));
    if (image1_->picture().cacheKey() != canvas_.picture.cacheKey())
        image1_->setPicture(canvas_.picture);
    const bool captions = s_.view.captionsVisible;
    label6_->setVisible(captions);
    label7_->setVisible(captions);
    label5_->setVisible(captions && !label5_->text().isEmpty());
}

// ---- File menu -----------------------------------------------------------

void MainWindow::N10Click() {
    runGuarded([&] {
        s_.openAsk = 1;
        canvas_.picture = blankImage(s_.view.imageWidth, s_.view.imageHeight);
        image1_->setPicture(canvas_.picture);
        const std::vector<std::string> chosen = chooseOpenFiles();
        if (chosen.empty()) return;
        if (openCommand(s_, reporter_, chosen)) {
            s_.menu.evenchanneliserror1 = false;
            afterLoadRedraw();
        }
    });
}

void MainWindow::reLoad1Click() {
    runGuarded([&] {
        if (reloadCommand(s_, reporter_)) afterLoadRedraw();
    });
}

void MainWindow::AddData1Click() {
    runGuarded([&] {
        const std::vector<std::string> chosen = chooseOpenFiles();
        if (addDataCommand(s_, reporter_, chosen)) afterLoadRedraw();
    });
}

void MainWindow::savedate1Click() {
    runGuarded([&] {
        if (auto name = chooseSaveFile("Save Data As", "data (*.dat)"))
            saveDataAs(s_, reporter_, name);
    });
}

void MainWindow::SaveVisibleDataAs1Click() {
    runGuarded([&] {
        if (auto name = chooseSaveFile("Save Visible Data As", "data (*.dat)"))
            saveVisibleDataAs(s_, reporter_, name);
    });
}

void MainWindow::save1Click() {
    runGuarded([&] {
        if (auto name = chooseSaveFile("Save current channel", "data (*.dat)"))
            saveCurrentChannel(s_, reporter_, name);
    });
}

void MainWindow::SplitIntoFilesClick() {
    runGuarded([&] { splitIntoFiles(s_, reporter_); });
}

void MainWindow::evenchanneliserror1Click() {
    runGuarded([&] {
        setErrorColumns(s_, !s_.menu.evenchanneliserror1);
        if (haveData(s_)) {
            afterLoad(s_);
            redraw();
        }
    });
}

void MainWindow::SaveDataAsSetings1Click() {
    form36_->prepare();
    const bool ok = form36_->exec() == QDialog::Accepted;
    runGuarded([&] {
        if (ok)
            saveini(s_);
        else
            loadini(s_);
    });
}

void MainWindow::openperiodogram1Click() {
    runGuarded([&] {
        if (openPeriodogram(s_, reporter_)) afterLoadRedraw();
    });
}

void MainWindow::GenerateRandom1Click() {
    GenerateRandomParams p;
    for (;;) {
        form30_->exec();  // closing by the frame counts as "Generate"
        p = form30_->params();
        const std::string why = p.validate();
        if (why.empty()) break;
        reporter_.message(why);
    }
    runGuarded([&] {
        generateRandom(s_, reporter_, p);
        if (haveData(s_)) afterLoadRedraw();
    });
}

// ---- Exit ----------------------------------------------------------------

void MainWindow::quit() {
    quitting_ = true;
    close();
    QApplication::quit();
}

void MainWindow::exitWithQuestion() {
    form20_->saveOnExit = 0;
    form20_->quitOnExit = 0;
    form20_->exec();
    if (form20_->saveOnExit == 1) {
        runGuarded([&] {
            if (auto name = chooseSaveFile("Save Data As", "data (*.dat)"))
                saveOnExit(s_, reporter_, name);
        });
    }
    if (form20_->quitOnExit == 1) quit();
}

void MainWindow::N7Click() {
    if (s_.view.pictureSaved == 1) {
        quit();
        return;
    }
    for (;;) {
        form9_->choice = SavePlotDialog::Cancel;
        form9_->exec();
        if (form9_->choice == SavePlotDialog::No) {
            quit();
            return;
        }
        if (form9_->choice == SavePlotDialog::Cancel) return;
        if (saveScreenPictureAsBmp()) {
            quit();
            return;
        }
        // Save dialog cancelled: the question stays.
    }
}

QImage MainWindow::pictureWithCaptions() const {
    QImage img = canvas_.picture.isNull() ? blankImage(s_.view.imageWidth, s_.view.imageHeight)
                                          : canvas_.picture.copy();
    QPainter p(&img);
    for (const DragLabel* l : {label5_, label6_, label7_}) {
        if (!l->isVisible() || l->text().isEmpty()) continue;
        p.setFont(l->font());
        p.setPen(Qt::black);
        // The label's place on the picture (its parent is the plot area).
        const QRect r(l->pos(), l->size());
        p.drawText(r, Qt::AlignLeft | Qt::AlignTop, l->text());
    }
    return img;
}

bool MainWindow::saveScreenPictureAsBmp() {
    auto name = chooseSaveFile("Save picture", "");
    if (!name) return false;
    bool ok = false;
    runGuarded([&] {
        // ".bmp" is always appended, as the question promises a new file.
        writeImageFile(pictureWithCaptions(), *name + ".bmp", "BMP");
        s_.view.pictureSaved = 1;
        ok = true;
    });
    return ok;
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (quitting_) {
        e->accept();
        return;
    }
    // The question may end in quit(), whose own close() is ignored while
    // this close is under way: the answer decides this close instead.
    N7Click();
    if (quitting_)
        e->accept();
    else
        e->ignore();
}

// ---- Form menu -----------------------------------------------------------

void MainWindow::N25Click() {
    const bool show =
        !toolButtons_.empty() && !std::any_of(toolButtons_.begin(), toolButtons_.end(),
                                              [](QToolButton* b) { return b->isVisible(); });
    for (QToolButton* b : toolButtons_) {
        auto* act = b->defaultAction();
        const bool built =
            act && actions_.count(act->objectName().toStdString()) &&
            std::any_of(actionTable().begin(), actionTable().end(), [&](const ActionSpec& a) {
                return act->objectName() == a.name && a.handler;
            });
        b->setVisible(show && built);
    }
    actions_["N25"]->setChecked(show);
}

void MainWindow::N26Click() {
    panel1_->setVisible(!panel1_->isVisible());
    actions_["N26"]->setChecked(panel1_->isVisible());
}

void MainWindow::N27Click() {
    panel2_->setVisible(!panel2_->isVisible());
    actions_["N27"]->setChecked(panel2_->isVisible());
}

void MainWindow::N31Click() {
    canvas_.picture = blankImage(s_.view.imageWidth, s_.view.imageHeight);
    canvas_.cursorless = canvas_.picture;
    disableOnClean(s_);
    syncFromState();
}

void MainWindow::N30Click() {
    form5_->showEmpty();
}

void MainWindow::N28Click() {
    viewCommand(initialWindow);
}

// ---- View commands -------------------------------------------------------

void MainWindow::viewCommand(bool (*op)(State&), bool drawAnyway) {
    runGuarded([&] {
        if (op(s_) || drawAnyway) redraw();
    });
}

void MainWindow::zoomClick() {
    viewCommand(zoomIn);
}
void MainWindow::unzoomClick() {
    viewCommand(zoomOut);
}
void MainWindow::shiftLeftClick() {
    viewCommand(shiftLeft);
}
void MainWindow::shiftRightClick() {
    viewCommand(shiftRight);
}
void MainWindow::leftedgeoncursor1Click() {
    viewCommand(leftEdgeOnCursor);
}
void MainWindow::rightedgeoncursor1Click() {
    viewCommand(rightEdgeOnCursor);
}
void MainWindow::CenteronCursor1Click() {
    viewCommand(centerOnCursor);
}
void MainWindow::Phase02Click() {
    viewCommand(togglePhase02);
}
void MainWindow::mag1Click() {
    viewCommand(toggleMag1);
}
void MainWindow::InverseYaxisforcurrentchannel1Click() {
    viewCommand(invertCurrentChannel);
}
void MainWindow::originaldata1Click() {
    viewCommand(showOriginalData);
}
void MainWindow::differencies1Click() {
    viewCommand(showDifferences);
}
void MainWindow::singlechanel1Click() {
    viewCommand(showSingleChannel);
}

void MainWindow::SpinButton1DownClick() {
    runGuarded([&] {
        if (setSpinValue(s_, s_.view.spinValue - 1)) redraw();
    });
}

void MainWindow::SpinButton1UpClick() {
    runGuarded([&] {
        if (setSpinValue(s_, s_.view.spinValue + 1)) redraw();
    });
}

void MainWindow::showGeneralInfo() {
    form7_->show();
}
void MainWindow::showRules() {
    form8_->show();
}

}  // namespace zyt
