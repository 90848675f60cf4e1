#pragma once
// The window sees every key first: an application-level event filter looks
// the key up in the key table while the main window is the active window,
// and runs its handler instead of passing the key to the focused control.
#include <QObject>

namespace zyt {

class MainWindow;

class KeyDispatcher : public QObject {
    Q_OBJECT
public:
    explicit KeyDispatcher(MainWindow& w);

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    MainWindow& w_;
};

}  // namespace zyt
