#pragma once
// The offer of a new version: what it is, what changed, and the choice to
// install it, be reminded later or skip it. While the package downloads the
// dialog shows its progress; closing it then cancels the download.

#include "updates/Appcast.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class ReleaseNotesView;
class Updater;

class UpdateDialog : public QDialog {
    Q_OBJECT
  public:
    explicit UpdateDialog(Updater& updater, QWidget* parent = nullptr);

    // Shows the offer (again, if it is open for an older one). Unless the
    // user is waiting for it, it leaves the keyboard where it is: the daily
    // check may find an update in the middle of a presentation.
    void offer(const AppcastItem& item, bool takeFocus);

    QPushButton* installButton() const { return m_install; }
    QPushButton* remindButton() const { return m_remind; }
    QPushButton* skipButton() const { return m_skip; }
    ReleaseNotesView* notes() const { return m_notes; }
    QString status() const;

    void reject() override;

  private:
    void setDownloading(bool downloading);
    void onProgress(qint64 received, qint64 total);
    void onFailed(const QString& message);

    Updater& m_updater;
    AppcastItem m_item;
    QLabel* m_summary;
    QLabel* m_notesLink;
    ReleaseNotesView* m_notes;
    QProgressBar* m_progress;
    QLabel* m_status;
    QPushButton* m_skip;
    QPushButton* m_remind;
    QPushButton* m_install;
    QPushButton* m_cancel;
};
