// The main window's handlers of the Approximation menu and of the tool
// button "Approximation": each calls its fit command, then the redraw the
// command needs. The fit changes no values, so it redraws without new
// ranges (a value range chosen with key 7 stays); de-trending and the added
// colour channels change values and recompute the ranges first.
#include "fit/ApproximationCommands.h"
#include "plot/ViewModel.h"
#include "ui/FitDialogs.h"
#include "ui/MainWindow.h"

namespace zyt {

void MainWindow::N1Click() {
    runGuarded([&] {
        polynomialCommand(s_, reporter_, [this](PolynomialDialog&) { return form23_->run(); });
        applyEffects(kPictureOnly);  // in every case: the curve appears or goes
    });
}

void MainWindow::SpeedButton16Click() {
    runGuarded([&] {
        if (!s_.table.fileList) return;
        computeVisibleWindow(s_);
        approximationButton(s_, reporter_);
        applyEffects(kPictureOnly);
    });
}

void MainWindow::coefficientsofapolynomial1Click() {
    runGuarded([&] {
        if (coefficientsCommand(s_, reporter_)) form29_->showReport();
    });
}

void MainWindow::saveapproxymation1Click() {
    runGuarded([&] { saveApproximationCommand(s_); });
}

void MainWindow::saveorijianl1Click() {
    runGuarded([&] { saveOriginalApproximationCommand(s_); });
}

void MainWindow::otbelivanie1Click() {
    runGuarded([&] {
        if (detrendCommand(s_)) applyEffects(kRangesAndPicture);
    });
}

void MainWindow::Detrending1Click() {
    runGuarded([&] {
        detrendPolyCommand(s_);
        applyEffects(kRangesAndPicture);
    });
}

void MainWindow::Addcolorsaschanelsuseaproxymations1Click() {
    runGuarded([&] {
        if (!haveData(s_)) return;
        addColorsApproxCommand(s_, reporter_);
        // The selector shows the new channel count as its value and maximum.
        setSpinMax(s_, s_.table.lastChan);
        setSpinValue(s_, s_.table.nChan);
        applyEffects(kRangesAndPicture);
    });
}

void MainWindow::saveapproximation05151Click() {
    togglePhase0515(s_);
    syncFromState();
}

}  // namespace zyt
