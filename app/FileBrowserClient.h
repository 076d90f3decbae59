#pragma once
#include "app/shell/ShellServices.h"

class QWidget;

// Asks the file browser component, created through COM, for a file. The chosen file's path, or empty
// when the user cancelled; when the component cannot be found or made, says so and answers empty.
// The browser opens where the request's purpose last chose from (see FileBrowserClientFolders.h).
// Asked for folders only, it answers the folder recorded by the last Ok press, empty when none was.
QString browseWithComponent(const BrowseRequest& request, QWidget* parent);
