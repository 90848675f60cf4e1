#include "ui/Actions.h"

#include <QStyle>

#include "ui/MainWindow.h"

namespace zyt {

const std::vector<ActionSpec>& actionTable() {
    using M = MainWindow;
    using P = Place;
    constexpr int none = -1;
    // clang-format off
    static const std::vector<ActionSpec> table = {
        // Tool bar Panel1: designer name, hint, -, place, icon, enabled, -, -, handler.
        {"SpeedButton1", "Open", "", P::ToolBar, QStyle::SP_DialogOpenButton, true, false, false, &M::N10Click},
        {"SpeedButton2", "Добавить рисунок", "", P::ToolBar, QStyle::SP_FileDialogNewFolder, false, false, false, nullptr},
        {"SpeedButton4", "Save", "", P::ToolBar, QStyle::SP_DialogSaveButton, false, false, false, nullptr},
        {"SpeedButton3", "Print Figure", "", P::ToolBar, QStyle::SP_FileDialogDetailedView, false, false, false, nullptr},
        {"SpeedButton9", "Подписи к осям", "", P::ToolBar, QStyle::SP_FileDialogInfoView, false, false, false, nullptr},
        {"SpeedButton11", "Color", "", P::ToolBar, QStyle::SP_DesktopIcon, true, false, false, nullptr},
        {"SpeedButton14", "Общие сведения", "", P::ToolBar, QStyle::SP_MessageBoxInformation, true, false, false, &M::showGeneralInfo},
        {"SpeedButton8", "Правила пользования", "", P::ToolBar, QStyle::SP_DialogHelpButton, true, false, false, &M::showRules},
        {"SpeedButton5", "Zoom", "", P::ToolBar, QStyle::SP_ArrowUp, false, false, false, &M::zoomClick},
        {"SpeedButton6", "Unzoom", "", P::ToolBar, QStyle::SP_ArrowDown, false, false, false, &M::unzoomClick},
        {"SpeedButton7", "Выход", "", P::ToolBar, QStyle::SP_DialogCloseButton, true, false, false, &M::N7Click},
        {"SpeedButton16", "Approximation", "", P::ToolBar, QStyle::SP_FileDialogContentsView, false, false, false, &M::SpeedButton16Click},
        {"SpeedButton10", "Shift view screen left", "", P::ToolBar, QStyle::SP_ArrowLeft, false, false, false, &M::shiftLeftClick},
        {"SpeedButton12", "Shift view screen right", "", P::ToolBar, QStyle::SP_ArrowRight, false, false, false, &M::shiftRightClick},

        // File menu.
        {"N10", "&Open", "Ctrl+N", P::File, none, true, false, false, &M::N10Click},
        {"reLoad1", "reLoad", "", P::File, none, true, false, false, &M::reLoad1Click},
        {"AddData1", "Add Data", "", P::File, none, true, false, false, &M::AddData1Click},
        {"savedate1", "&Save Data As", "F2", P::File, none, true, false, false, &M::savedate1Click},
        {"SaveVisibleDataAs1", "Save &Visible Data As", "Shift+F2", P::File, none, true, false, false, &M::SaveVisibleDataAs1Click},
        {"save1", "Save current channel ", "", P::File, none, true, false, false, &M::save1Click},
        {"SplitIntoFiles", "Save in separate files", "", P::File, none, true, false, false, &M::SplitIntoFilesClick},
        {"evenchanneliserror1", "even channel is error", "", P::File, none, true, true, false, &M::evenchanneliserror1Click},
        {"SaveDataAsSetings1", "Save Data As Setings", "", P::File, none, true, false, false, &M::SaveDataAsSetings1Click},
        {"openperiodogram1", "Open periodogram", "", P::File, none, true, false, false, &M::openperiodogram1Click},
        {"GenerateRandom1", "Generate Random", "", P::File, none, true, false, false, &M::GenerateRandom1Click},
        {"N7", "E&xit", "F10", P::File, none, true, false, false, &M::N7Click},

        // Approximation menu.
        {"N1", "Polynomial", "", P::Approximation, none, false, false, false, &M::N1Click},
        {"coefficientsofapolynomial1", "coefficients of a polynomial", "", P::Approximation, none, true, false, false, &M::coefficientsofapolynomial1Click},
        {"saveapproxymation1", "save approximation", "", P::Approximation, none, true, false, false, &M::saveapproxymation1Click},
        {"saveorijianl1", "save original data+approximation", "", P::Approximation, none, true, false, false, &M::saveorijianl1Click},
        {"otbelivanie1", "&De-trending", "", P::Approximation, none, true, false, false, &M::otbelivanie1Click},
        {"Detrending1", "De-trending (only polynomial trend)", "", P::Approximation, none, true, false, false, &M::Detrending1Click},
        {"Addcolorsaschanelsuseaproxymations1", "Add colors as chanels use aproxymations", "", P::Approximation, none, true, false, false, &M::Addcolorsaschanelsuseaproxymations1Click},
        {"saveapproximation05151", "Phase -0.5..1.5", "", P::Approximation, none, true, true, false, &M::saveapproximation05151Click},

        // Form menu.
        {"N25", "Tools", "Ctrl+I", P::Form, none, true, true, true, &M::N25Click},
        {"N26", "Front Panel", "Ctrl+U", P::Form, none, true, true, true, &M::N26Click},
        {"N27", "Down Panel", "Ctrl+D", P::Form, none, true, true, true, &M::N27Click},
        {"N31", "Clean", "", P::Form, none, true, false, false, &M::N31Click},
        {"N30", "Report on file", "Ctrl+O", P::Form, none, false, false, false, &M::N30Click},
        {"N28", "Initial", "Ctrl+R", P::Form, none, false, false, false, &M::N28Click},

        // View menu.
        {"leftedgeoncursor1", "left  edge on cursor  ([)", "", P::View, none, true, false, false, &M::leftedgeoncursor1Click},
        {"rightedgeoncursor1", "right edge on cursor (])", "", P::View, none, true, false, false, &M::rightedgeoncursor1Click},
        {"CenteronCursor1", "Center on Cursor      (E)", "", P::View, none, true, false, false, &M::CenteronCursor1Click},
        {"Phase02", "Phase 0..2", "", P::View, none, true, true, false, &M::Phase02Click},
        {"mag1", "Non-Reverse Y &Axis", "", P::View, none, true, true, false, &M::mag1Click},
        {"InverseYaxisforcurrentchannel1", "Inverse Y-axis for current channel", "", P::View, none, true, false, false, &M::InverseYaxisforcurrentchannel1Click},
        {"originaldata1", "Original &Data", "", P::View, none, true, false, false, &M::originaldata1Click},
        {"differencies1", "D&ifferencies", "", P::View, none, true, false, false, &M::differencies1Click},
        {"singlechanel1", "Single chanel", "", P::View, none, true, false, false, &M::singlechanel1Click},

        // Help menu.
        {"Generalinformation1", "Общие сведения", "", P::Help, none, true, false, false, &M::showGeneralInfo},
        {"Rules1", "Правила пользования", "", P::Help, none, true, false, false, &M::showRules},
    };
    // clang-format on
    return table;
}

const std::vector<KeySpec>& keyTable() {
    static const std::vector<KeySpec> table = {
        {Qt::Key_Escape, Qt::NoModifier, "Esc: exit from Zyt, asking whether to save the data",
         &MainWindow::exitWithQuestion},
    };
    return table;
}

}  // namespace zyt
