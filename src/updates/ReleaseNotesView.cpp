#include "updates/ReleaseNotesView.h"

#include <QDesktopServices>
#include <QTextDocument>

namespace {
// The document itself, not only the view, refuses resources: a plain
// document falls back to reading local files and data: addresses.
class InertDocument : public QTextDocument {
  public:
    using QTextDocument::QTextDocument;

  protected:
    QVariant loadResource(int, const QUrl&) override { return {}; }
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
