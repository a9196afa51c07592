#include "ui/settings/HandSettings.h"
#include "handart/CustomHand.h"
#include "ui/HandGrid.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMimeDatabase>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {
constexpr int kPictureHeight = 44;
// A cut-out can be very wide; beyond this it is shown smaller, not wider.
constexpr int kPictureMaxWidth = 3 * kPictureHeight;
} // namespace

HandSettings::HandSettings(Prefs& prefs, HandSprites& sprites, CustomHand& custom, QWidget* parent)
    : FormPage(parent), m_custom(custom) {
    FormSection* hands = addSection(tr("Hands"));
    auto* grid = new HandGrid(6, 62, prefs, sprites, custom, this);
    grid->setObjectName(QStringLiteral("handGrid"));
    auto* centred = new QWidget(this);
    auto* line = new QHBoxLayout(centred);
    line->setContentsMargins(0, 4, 0, 4);
    line->addWidget(grid, 0, Qt::AlignHCenter);
    hands->addWide(centred);

    auto* own = new QWidget(this);
    auto* column = new QVBoxLayout(own);
    column->setContentsMargins(0, 4, 0, 4);
    column->setSpacing(10);
    auto* about = new QHBoxLayout;
    about->setSpacing(12);
    m_picture = new QLabel(own);
    m_picture->setObjectName(QStringLiteral("customPicture"));
    m_placeholder =
        new SymbolView(QStringLiteral("hand.raised.fingers.spread"), kPictureHeight, own, true);
    about->addWidget(m_picture);
    about->addWidget(m_placeholder);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto* heading = new QLabel(tr("Your own hand"), own);
    heading->setFont(scaledFont(font(), 1.0, true));
    auto* explanation = new SecondaryLabel(tr("A photo of your hand with the index finger pointing "
                                              "up, on a plain background. It is cut out on this "
                                              "computer and never uploaded."),
                                           own);
    explanation->setWordWrap(true);
    texts->addWidget(heading);
    texts->addWidget(explanation);
    about->addLayout(texts, 1);
    column->addLayout(about);

    auto* buttons = new QHBoxLayout;
    m_choose = new QPushButton(own);
    m_choose->setObjectName(QStringLiteral("choosePhoto"));
    m_remove = new QPushButton(tr("Remove"), own);
    m_remove->setObjectName(QStringLiteral("removePhoto"));
    m_busy = new QProgressBar(own);
    m_busy->setObjectName(QStringLiteral("importBusy"));
    m_busy->setRange(0, 0); // no end to show: it is busy, that is all
    m_busy->setTextVisible(false);
    m_busy->setFixedSize(90, 8);
    m_busy->setAccessibleName(tr("Cutting out your hand"));
    buttons->addWidget(m_choose);
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    buttons->addWidget(m_busy);
    column->addLayout(buttons);
    m_error = new SecondaryLabel(QString(), own);
    m_error->setObjectName(QStringLiteral("importError"));
    m_error->setWordWrap(true);
    m_error->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_error);
    addSection()->addWide(own);
    finish();

    connect(m_choose, &QPushButton::clicked, this, &HandSettings::choosePhoto);
    connect(m_remove, &QPushButton::clicked, &custom, &CustomHand::remove);
    connect(&custom, &CustomHand::imageChanged, this, &HandSettings::showCustom);
    connect(&custom, &CustomHand::errorChanged, this, &HandSettings::showError);
    connect(&custom, &CustomHand::importFinished, this, [this] {
        m_importing = std::max(0, m_importing - 1);
        m_busy->setVisible(m_importing > 0);
    });
    m_busy->hide();
    showCustom();
    showError();
}

QString HandSettings::pictureFilter() {
    QStringList patterns;
    const QMimeDatabase mimes;
    for (const QString& name : CustomHand::readableMimeTypes())
        // Filters match case-sensitively here, and phones name their photos IMG_0001.HEIC.
        for (const QString& pattern : mimes.mimeTypeForName(name).globPatterns())
            for (const QString& spelling : {pattern, pattern.toUpper()})
                if (!patterns.contains(spelling)) patterns << spelling;
    return tr("Pictures") + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

void HandSettings::choosePhoto() {
    if (!m_dialog) {
        // A folder that does not exist would be taken for a file name.
        QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (!QFileInfo(folder).isDir()) folder = QDir::homePath();
        m_dialog =
            new QFileDialog(this, tr("Choose a Photo of Your Hand"), folder, pictureFilter());
        m_dialog->setFileMode(QFileDialog::ExistingFile);
        m_dialog->setAcceptMode(QFileDialog::AcceptOpen);
        // Cancelling changes nothing and says nothing.
        connect(m_dialog, &QFileDialog::fileSelected, this, &HandSettings::importPhoto);
    }
    m_dialog->open();
}

void HandSettings::importPhoto(const QString& path) {
    ++m_importing;
    m_busy->show();
    m_custom.importPhoto(path);
}

void HandSettings::showCustom() {
    const bool has = m_custom.hasImage();
    m_choose->setText(has ? tr("Choose Another Photo…") : tr("Choose Photo…"));
    m_remove->setVisible(has);
    m_placeholder->setVisible(!has);
    m_picture->setVisible(has);
    if (!has) {
        m_picture->clear();
        return;
    }
    const double ratio = devicePixelRatioF();
    QImage picture = m_custom.image().scaled(QSize(kPictureMaxWidth, kPictureHeight) * ratio,
                                             Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    m_picture->setPixmap(QPixmap::fromImage(picture));
}

void HandSettings::showError() {
    m_error->setText(m_custom.error());
    m_error->setVisible(!m_custom.error().isEmpty());
}
