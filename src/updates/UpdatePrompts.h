#pragma once
// What the user sees of the updater: the question about automatic checks,
// the offer of a new version, the outcome of a check they asked for, and the
// hand-over of a verified package to the desktop's installer. No window here
// blocks: each is shown and answers through its signals.

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <memory>

#include <QMessageBox>
class UpdateDialog;
class Updater;

class UpdatePrompts : public QObject {
    Q_OBJECT
  public:
    // open hands a file to the desktop's handler for it (the system's by default).
    explicit UpdatePrompts(Updater& updater, std::function<bool(const QUrl&)> open = {},
                           QObject* parent = nullptr);
    ~UpdatePrompts() override;

    // The offer, once a newer version was found.
    UpdateDialog* dialog() const { return m_dialog.get(); }
    // The message shown last, while it is open.
    QMessageBox* message() const { return m_message; }

  private:
    void ask();
    void offer();
    void tell(bool problem, const QString& text, const QString& details);
    void handOver(const QString& path);

    Updater& m_updater;
    std::function<bool(const QUrl&)> m_open;
    std::unique_ptr<UpdateDialog> m_dialog;
    QPointer<QMessageBox> m_message;
};
