#pragma once
// The About tab: the classic hand, the program's name, version and purpose,
// and the update check when there is one.

#include <QPointer>
#include <QWidget>

class QAction;
class QPushButton;

class AboutSettings : public QWidget {
    Q_OBJECT
  public:
    // `checkForUpdates` may be null: then there is no update button. The
    // button is enabled exactly while the action is.
    explicit AboutSettings(QAction* checkForUpdates, QWidget* parent = nullptr);

    // "Version 1.2.3" for this build ("Version ?" when it has none).
    static QString versionText();

  private:
    QPointer<QAction> m_checkForUpdates;
    QPushButton* m_update = nullptr;
};
