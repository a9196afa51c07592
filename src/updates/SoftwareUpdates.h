#pragma once
// Software updates as the running program has them: the updater, what the
// user sees of it, and the "Check for Updates…" action for menus and the
// settings window (enabled exactly while a check may start). Only a build
// that names an update feed has any of this.

#include "updates/UpdatePrompts.h"
#include "updates/Updater.h"

#include <QAction>
#include <QCoreApplication>
#include <memory>

class Prefs;

class SoftwareUpdates {
    Q_DECLARE_TR_FUNCTIONS(SoftwareUpdates)

  public:
    // Null unless the build names an update feed and its key.
    static std::unique_ptr<SoftwareUpdates> forThisBuild(Prefs& prefs);

    SoftwareUpdates(Prefs& prefs, const UpdateSource& source);

    // At launch: the question on the second launch, then the daily checks.
    void start() { m_updater.start(); }
    QAction* checkAction() { return &m_checkAction; }
    Updater& updater() { return m_updater; }

  private:
    Updater m_updater;
    UpdatePrompts m_prompts;
    QAction m_checkAction;
};
