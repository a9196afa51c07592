#include "updates/UpdateDialog.h"
#include "updates/ReleaseNotesView.h"
#include "updates/Updater.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

UpdateDialog::UpdateDialog(Updater& updater, QWidget* parent)
    : QDialog(parent), m_updater(updater), m_summary(new QLabel), m_notesLink(new QLabel),
      m_notes(new ReleaseNotesView), m_progress(new QProgressBar), m_status(new QLabel),
      m_skip(new QPushButton(tr("Skip This Version"))),
      m_remind(new QPushButton(tr("Remind Me Later"))),
      m_install(new QPushButton(tr("Install Update"))), m_cancel(new QPushButton(tr("Cancel"))) {
    setWindowTitle(tr("Software Update"));
    auto* heading = new QLabel(tr("A new version of Handwick is available"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);
    m_summary->setWordWrap(true);
    m_notesLink->setTextFormat(Qt::RichText);
    m_notesLink->setOpenExternalLinks(true);
    m_notes->setMinimumSize(440, 200);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_skip);
    buttons->addStretch();
    for (QPushButton* button : {m_remind, m_cancel, m_install})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* part : {static_cast<QWidget*>(heading), static_cast<QWidget*>(m_summary),
                          static_cast<QWidget*>(m_notesLink), static_cast<QWidget*>(m_notes),
                          static_cast<QWidget*>(m_progress), static_cast<QWidget*>(m_status)})
        layout->addWidget(part);
    layout->addLayout(buttons);

    m_install->setDefault(true);
    connect(m_install, &QPushButton::clicked, this, [this] {
        setDownloading(true);
        m_status->setText(tr("Downloading…"));
        m_updater.install(m_item);
    });
    connect(m_remind, &QPushButton::clicked, this, &QDialog::close);
    connect(m_skip, &QPushButton::clicked, this, [this] {
        m_updater.skip(m_item);
        close();
    });
    connect(m_cancel, &QPushButton::clicked, this, &UpdateDialog::reject);
    connect(&updater, &Updater::downloadProgress, this, &UpdateDialog::onProgress);
    connect(&updater, &Updater::installFailed, this, &UpdateDialog::onFailed);
    connect(&updater, &Updater::packageReady, this, &QDialog::accept);
}

void UpdateDialog::offer(const AppcastItem& item, bool takeFocus) {
    m_item = item;
    m_summary->setText(tr("Handwick %1 is available; you have %2. Would you like to install it "
                          "now?")
                           .arg(item.displayVersion, m_updater.runningVersion()));
    m_notes->showNotes(item.notes);
    m_notes->setVisible(!item.notes.isEmpty());
    // Notes on the web open in the browser, never here; only a secure address is offered.
    const bool link = item.notes.isEmpty() && item.notesLink.scheme() == QLatin1String("https");
    m_notesLink->setText(link
                             ? QStringLiteral("<a href=\"%1\">%2</a>")
                                   .arg(item.notesLink.toString(QUrl::FullyEncoded).toHtmlEscaped(),
                                        tr("Read the release notes"))
                             : QString());
    m_notesLink->setVisible(link);
    m_status->clear();
    setDownloading(false);
    setAttribute(Qt::WA_ShowWithoutActivating, !takeFocus);
    show();
    if (!takeFocus) return;
    raise();
    activateWindow();
}

QString UpdateDialog::status() const {
    return m_status->text();
}

void UpdateDialog::reject() {
    m_updater.cancelInstall();
    QDialog::reject();
}

void UpdateDialog::setDownloading(bool downloading) {
    m_progress->setVisible(downloading);
    m_progress->setRange(0, 0); // busy until the first bytes tell the size
    m_cancel->setVisible(downloading);
    for (QPushButton* button : {m_skip, m_remind, m_install})
        button->setVisible(!downloading);
    m_status->setVisible(downloading || !m_status->text().isEmpty());
}

void UpdateDialog::onProgress(qint64 received, qint64 total) {
    if (total <= 0) return;
    // In thousandths, so packages larger than an int still fill the bar smoothly.
    m_progress->setRange(0, 1000);
    m_progress->setValue(int(std::min<qint64>(1000, received * 1000 / total)));
    const QLocale locale;
    m_status->setText(
        tr("Downloading… %1 of %2")
            .arg(locale.formattedDataSize(received), locale.formattedDataSize(total)));
}

void UpdateDialog::onFailed(const QString& message) {
    m_status->setText(message);
    setDownloading(false);
}
