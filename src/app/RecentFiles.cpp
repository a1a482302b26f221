// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecentFiles.h"

#include "app/AppSettings.h"

namespace gw {

namespace {
// One text value like every other setting: the paths separated by a character
// that no file name holds.
constexpr QChar kSeparator = QChar('\n');
}  // namespace

RecentFiles::RecentFiles(AppSettings& settings) : settings_(settings) {
    const QString stored = settings_.Get(kKey, "");
    for (const QString& path : stored.split(kSeparator, Qt::SkipEmptyParts)) {
        if (!paths_.contains(path) && paths_.size() < kMaximum) paths_ << path;
    }
}

void RecentFiles::Add(const QString& path) {
    paths_.removeAll(path);
    paths_.prepend(path);
    while (paths_.size() > kMaximum) paths_.removeLast();
    Store();
}

void RecentFiles::Remove(const QString& path) {
    paths_.removeAll(path);
    Store();
}

void RecentFiles::Store() { settings_.Set(kKey, paths_.join(kSeparator)); }

}  // namespace gw
