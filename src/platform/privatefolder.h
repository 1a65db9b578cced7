// A folder that only this user can enter, for things other users of the computer must not reach or replace.
#pragma once

#include <QString>

namespace PrivateFolder {

// Makes the folder (mode 0700) when it is missing. A folder already there must be a real folder, not a link,
// owned by this user; one that others could enter is closed to them. False, with the reason in error, when
// the folder cannot be made or belongs to someone else.
bool ensure(const QString &path, QString &error);

} // namespace PrivateFolder
