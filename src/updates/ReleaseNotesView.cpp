#include "updates/ReleaseNotesView.h"

#include <QDesktopServices>
#include <QImage>
#include <QTextDocument>

namespace {
// The document itself, not only the view, refuses resources: a plain
// document falls back to reading local files and data: addresses. An image
// must come back as an empty picture, not as nothing: for nothing, Qt's image
// handler goes and reads the address as a file itself.
class InertDocument : public QTextDocument {
  public:
    using QTextDocument::QTextDocument;

  protected:
    QVariant loadResource(int type, const QUrl&) override {
        if (type != QTextDocument::ImageResource) return {};
        QImage nothing(1, 1, QImage::Format_ARGB32_Premultiplied);
        nothing.fill(Qt::transparent);
        return nothing;
    }
};
} // namespace

ReleaseNotesView::ReleaseNotesView(QWidget* parent) : QTextBrowser(parent) {
    setDocument(new InertDocument(this));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [](const QUrl& link) {
        if (link.scheme() == QLatin1String("https")) QDesktopServices::openUrl(link);
    });
}

void ReleaseNotesView::showNotes(const QString& notes) {
    if (Qt::mightBeRichText(notes))
        setHtml(notes);
    else
        setPlainText(notes);
}
