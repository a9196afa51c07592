#include "updates/UpdatePrompts.h"
#include "updates/UpdateDialog.h"
#include "updates/Updater.h"

#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>

UpdatePrompts::UpdatePrompts(Updater& updater, std::function<bool(const QUrl&)> open,
                             QObject* parent)
    : QObject(parent), m_updater(updater), m_open(open ? std::move(open) : [](const QUrl& url) {
          return QDesktopServices::openUrl(url);
      }) {
    connect(&updater, &Updater::askAutomaticChecks, this, &UpdatePrompts::ask);
    connect(&updater, &Updater::updateFound, this, [this](const AppcastItem& item, bool asked) {
        if (!m_dialog) m_dialog = std::make_unique<UpdateDialog>(m_updater);
        m_dialog->offer(item, asked);
    });
    connect(&updater, &Updater::upToDate, this, [this] {
        tell(false, tr("You’re up to date!"),
             tr("Handwick %1 is the newest version available.").arg(m_updater.runningVersion()));
    });
    connect(&updater, &Updater::checkFailed, this, [this](const QString& why) {
        tell(true, tr("Handwick could not check for updates."), why);
    });
    connect(&updater, &Updater::packageReady, this, &UpdatePrompts::handOver);
}

UpdatePrompts::~UpdatePrompts() {
    delete m_message;
}

void UpdatePrompts::ask() {
    auto* box =
        new QMessageBox(QMessageBox::Question, tr("Software Update"),
                        tr("Check for updates automatically?"), QMessageBox::Yes | QMessageBox::No);
    box->setInformativeText(tr("Handwick can look for a new version once a day. You can also "
                               "check at any time from the tray menu."));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box] {
        m_updater.answerAutomaticChecks(box->clickedButton() == box->button(QMessageBox::Yes));
    });
    delete m_message;
    m_message = box;
    box->show();
}

void UpdatePrompts::tell(bool problem, const QString& text, const QString& details) {
    auto* box = new QMessageBox(problem ? QMessageBox::Warning : QMessageBox::Information,
                                tr("Software Update"), text, QMessageBox::Ok);
    box->setInformativeText(details);
    box->setAttribute(Qt::WA_DeleteOnClose);
    delete m_message; // one answer at a time: an older one is out of date
    m_message = box;
    box->show();
}

void UpdatePrompts::handOver(const QString& path) {
    if (m_open(QUrl::fromLocalFile(path))) return;
    tell(true,
         tr("Handwick downloaded and verified the update, but found no program to install it."),
         tr("Install the package yourself: %1").arg(QDir::toNativeSeparators(path)));
}
