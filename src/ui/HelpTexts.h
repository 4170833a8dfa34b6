#pragma once
// The fixed texts of the Help menu, the About, Acknowledgments and User
// Agreement windows, and the introduction the main window shows at start.

#include <QString>
#include <QStringList>

namespace kor::ui::help {

// "Opening Screen Introduction": the message box text, every line ended by a
// line break.
QString openingScreenIntroduction();

// "What's New": the version history.
QString whatsNew();

// The two quick boxes of the main window before the editor was first opened.
QStringList introductionLeft();
QStringList introductionRight();
inline constexpr const char* introduction_caption =
    "This introduction is also available in the HELP Menu";

// The title row at start: a request to the user, shown in red.
inline constexpr const char* title_request =
    "Please tell the author how you use KOR (see Help | About) -- it helps keep the program going.";

// The About window under its title panel: name, version, contact and publication notes.
QStringList aboutLines();
// The Acknowledgments window: a paragraph of thanks and the list of those thanked.
QString acknowledgmentsParagraph();
QStringList acknowledgmentsList();
// The User Agreement window's terms of use.
QStringList userAgreement();

}  // namespace kor::ui::help
