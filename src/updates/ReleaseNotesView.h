#pragma once
// Release notes come from the network, so they are shown inert: rich text
// without scripts (Qt's rich text runs none), without any image or style
// sheet it would have to fetch (remote, embedded or from this computer's
// disk), and with only web links opened, in the user's browser.

#include <QTextBrowser>

class ReleaseNotesView : public QTextBrowser {
  public:
    explicit ReleaseNotesView(QWidget* parent = nullptr);

    // Rich text when it looks like HTML, otherwise plain text with its line breaks.
    void showNotes(const QString& notes);
};
