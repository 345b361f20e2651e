#pragma once

#include <QLoggingCategory>
#include <QString>

namespace zingbox {

// Which pack folder was taken and why, category "zingbox.pack": silent unless switched on,
// as with QT_LOGGING_RULES="zingbox.pack.info=true".
Q_DECLARE_LOGGING_CATEGORY(PackLog)

// The folder every movie comes from, chosen once at start and used whole.
struct PackFolder {
  QString path;
  QString reason;  // why this one, for the log
};

// In this order: the folder named on the command line, when there is one; the user's pack
// folder, when it holds the menu movie under its name in any case; the program folder.
PackFolder ChoosePackFolder(const QString& named, const QString& userPack, const QString& programFolder);

// Why a folder named on the command line cannot be a pack folder ("it does not exist"),
// or nothing when it can be.
QString UnusableFolderReason(const QString& folder);

}  // namespace zingbox
