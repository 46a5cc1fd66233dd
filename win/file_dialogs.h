#pragma once
// The system's standard Open, Save and folder dialogs, owned by a window. Paths are UTF-8; each
// answers the chosen path, or empty when the user cancels.

#include <windows.h>

#include <span>
#include <string>
#include <string_view>

#include "form/platform.h"

namespace deckplate::win {

/// Save: proposes `name` in `name`'s own folder when it is a whole path, else in the user's
/// Documents folder; lists the files of `name`'s extension, described as `kind` when it is not
/// empty, then all files. A name typed without an extension gets `name`'s, and only then does
/// the dialog ask before an existing file is replaced.
/// With `kinds`, the list offers them instead, the proposed name's chosen, and a name typed
/// without an extension gets the chosen kind's.
std::string ChooseSaveFile(HWND owner, std::string_view name, std::string_view kind,
                           std::span<const form::FileKind> kinds = {});

/// Open, titled 打开 and `kind` ("打开排表"), starting in `folder` (empty: the user's Documents):
/// an existing file of the kind `extension` ("csv"), described as `kind` ("排表"), or any file
/// when the user chooses 所有文件.
std::string ChooseOpenFile(HWND owner, std::string_view kind, std::string_view extension,
                           std::string_view folder);

/// A folder, the dialog titled `title` and starting in `folder` (empty: where the system
/// chooses).
std::string ChooseFolder(HWND owner, std::string_view title, std::string_view folder);

}  // namespace deckplate::win
