#pragma once
// The window sees every key first: an application-level event filter looks
// the key up in the key table while the main window is the active window,
// and runs its handler instead of passing the key to the focused control.
#include <QObject>
#include <optional>

#include "edit/KeyTable.h"

class QKeyEvent;

namespace zyt {

class MainWindow;

// The key of the hot-key table that a key event is; nothing for keys the
// table has no name for.
std::optional<KeyPress> keyPressOf(const QKeyEvent& k);

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
