#pragma once
#include "app/shell/ShellServices.h"

class QWidget;

// Asks the file browser component, created through COM, for a file. The chosen file's path, or empty
// when the user cancelled; when the component cannot be found or made, says so and answers empty.
// The browser opens where the request's purpose last chose from (see FileBrowserClientFolders.h).
// Asked for folders only, it answers the folder recorded by the last Ok press, empty when none was.
// Given a save extension, it names a file to write, which need not exist.
QString browseWithComponent(const BrowseRequest& request, QWidget* parent);

// The file an export writes, named in the browser (purpose Export, the request's save extension and
// suggested name): a path of this machine, empty when cancelled.
QString chooseExportFile(BrowseRequest request, QWidget* parent);
