#pragma once

#include <QImage>
#include <filesystem>
#include <optional>
#include <string>

class DialogWidget;
class StudioDocument;

// The look every machine draws alike: Qt's own Fusion style, and a caret that does not blink,
// so that two pictures of one dialog are the same.
void UseSteadyAppearance();

// The dialog as it is on screen, with its dropped list, a window of its own, where it lies.
QImage DialogPicture(DialogWidget& dialog);

// The picture of a rule's dialog as it opens on screen, drawn the same way on every machine.
// Throws DocumentError when the document has no such rule or the rule has no dialog.
QImage DialogScreenshot(StudioDocument& document, const std::string& ruleName);

// veritor-studio --screenshot RULE OUT.png [FILE]: the dialog of the rule in the document (a new
// moulding document without one) written as a PNG. Returns the exit status, reporting problems
// on standard error.
// veritor-studio --screenshot-window OUT.png [FILE]: the main window with the document open.
int WriteWindowScreenshot(const std::filesystem::path& out,
                          const std::optional<std::filesystem::path>& file);

int WriteDialogScreenshot(const std::string& ruleName, const std::filesystem::path& out,
                          const std::optional<std::filesystem::path>& file);
