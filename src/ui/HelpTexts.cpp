#include "ui/HelpTexts.h"

namespace kor::ui::help {

QString openingScreenIntroduction() {
    const QStringList lines = {
        QStringLiteral("HELP FROM THE OPENING SCREEN"),
        QString(),
        QStringLiteral("Left Side"),
        QString(),
        QStringLiteral("---To get started, choose from the options in INPUT section above (or open "
                       "a KOR file under the "
                       "FILE menu). ") +
            QStringLiteral("An option under the HELP Menu describes the file format."),
        QStringLiteral("---There are some sample datasets available under the EXAMPLES menu. You "
                       "can also generate "
                       "data to play with. ") +
            QStringLiteral("There are several ways to SAVE data in the Data Editor (e.g., 01 "
                           "format) and you can "
                           "convert data from letters to numbers."),
        QStringLiteral("---You can set OPTIONS before entering data (which is recommended for very "
                       "large data sets). ") +
            QStringLiteral("Turning OFF Problem-Item Criteria may help with International "
                           "Decimal/Comma issues."),
        QString(),
        QStringLiteral("Right Side"),
        QString(),
        QStringLiteral("---After you ANALYZE, you can VIEW (and SAVE and PRINT) results with "
                       "buttons above or FILE "
                       "menu options."),
        QStringLiteral(
            "---After you ANALYZE, you will see QUICK summary results in these boxes. ") +
            QStringLiteral("The buttons above provide detailed information for EXAMINESS, ITEMS, "
                           "and OPTIONS."),
        QStringLiteral("---FULL TEST RESULTS include more test and item information ") +
            QStringLiteral("(e.g., biserial, KR20- if-deleted, S-B prohecy), but no Options or "
                           "Examinee information."),
        QStringLiteral("---If you change OPTIONS you need to RE-ANALYZE in order for the NEW "
                       "OTPIONS to impact the "
                       "output."),
    };
    QString text;
    for (const QString& line : lines) {
        text += line + QLatin1Char('\n');
    }
    return text;
}

QString whatsNew() {
    const QStringList lines = {
        QStringLiteral("Major Changes (in addition to minor fixes and improvements):"),
        QStringLiteral("===================================="),
        QString(),
        QStringLiteral("Version 14.x:"),
        QStringLiteral("---- A desktop program and a command line share one analysis, so both give "
                       "the same figures."),
        QStringLiteral("---- Files are saved through a temporary copy: a failed save never "
                       "destroys the old file."),
        QStringLiteral("---- Results never write over the file the data were opened from; saving "
                       "the data set may, when you confirm it."),
        QStringLiteral("---- Spreadsheet (CSV) exports of scanners and learning platforms are read "
                       "in one step: File | Import Spreadsheet (CSV) File..."),
        QStringLiteral("---- UTF-8 text files are read as the single-byte text they stand for."),
        QString(),
        QStringLiteral("Version 6.x:"),
        QStringLiteral("---- Input files carry a signature line and the partial-credit settings."),
        QStringLiteral("---- Up to 9999 examinees and 100 items."),
        QStringLiteral("---- Quick options analysis with high, low and difference rows."),
        QString(),
        QStringLiteral("Version 5.x:"),
        QStringLiteral("---- Alternative correct answers and partial credit."),
        QStringLiteral("---- Table of specifications with content areas and cognitive levels."),
        QString(),
        QStringLiteral("Version 4.x:"),
        QStringLiteral("---- Letter grades with confidence bands and individual grade reports."),
        QStringLiteral("---- Text files can be inserted into the data editor."),
    };
    return lines.join(QLatin1Char('\n'));
}

QStringList introductionLeft() {
    return {
        QStringLiteral("WELCOME TO KOR"),
        QString(),
        QStringLiteral("To get started, choose an INPUT option above and press"),
        QStringLiteral("\"Go To Data Editor\", or open a saved KOR file under the"),
        QStringLiteral("FILE menu (the HELP menu describes the file format)."),
        QString(),
        QStringLiteral("A spreadsheet (CSV) export of a scanner or learning"),
        QStringLiteral("platform is read with \"Import Spreadsheet (CSV) File...\""),
        QStringLiteral("in the FILE menu."),
        QString(),
        QStringLiteral("The EXAMPLES menu has sample data sets, and you can"),
        QStringLiteral("also generate data to try the program."),
        QString(),
        QStringLiteral("Set OPTIONS before you enter very large data sets."),
        QStringLiteral("Turning OFF \"Use Problem-Item Criteria\" may help with"),
        QStringLiteral("decimal comma issues."),
    };
}

QStringList introductionRight() {
    return {
        QStringLiteral("AFTER YOU ANALYZE"),
        QString(),
        QStringLiteral("These two boxes show QUICK summaries of the examinees"),
        QStringLiteral("and of the test and its items."),
        QString(),
        QStringLiteral("The VIEW buttons above show the details for EXAMINEES,"),
        QStringLiteral("ITEMS and OPTIONS; you can print and save them."),
        QString(),
        QStringLiteral("FULL TEST RESULTS carry more test and item information"),
        QStringLiteral("(biserial, KR20 if deleted, Spearman-Brown prophecy),"),
        QStringLiteral("but no options or examinee information."),
        QString(),
        QStringLiteral("New OPTIONS take effect only when you ANALYZE again."),
    };
}

QStringList aboutLines() {
    return {
        QStringLiteral("KOR (Korvath)"),
        QStringLiteral("Item analysis of multiple-choice tests by classical test theory"),
        QStringLiteral("Version 14.7.4 for up to 9999 examinees and 100 items"),
        QString(),
        QStringLiteral("Contact: the KOR project, through the place you obtained this program."),
        QStringLiteral(
            "When you publish results obtained with KOR, please cite the program by its"),
        QStringLiteral("name and version, and describe the options you used for the analysis."),
    };
}

QString acknowledgmentsParagraph() {
    return QStringLiteral(
        "KOR grew from the questions and suggestions of the instructors, students and test "
        "developers "
        "who used it. Their reports of what they needed and of what went wrong shaped every "
        "version. "
        "Our thanks go to all of them, and in particular to:");
}

QStringList acknowledgmentsList() {
    return {
        QStringLiteral("The instructors who sent their test data sets for checking"),
        QStringLiteral("The students who took part in the early trials"),
        QStringLiteral("The test-scoring office staff who explained their record layouts"),
        QStringLiteral("The colleagues who read the reports and the help texts"),
        QStringLiteral("Everybody who reported a fault"),
    };
}

QStringList userAgreement() {
    return {
        QStringLiteral("KOR USER AGREEMENT"),
        QString(),
        QStringLiteral(
            "1. You may use KOR free of charge for teaching, research and test development."),
        QString(),
        QStringLiteral(
            "2. You may copy KOR and give it to others, provided it is given unchanged and"),
        QStringLiteral("   free of charge, together with this agreement."),
        QString(),
        QStringLiteral(
            "3. KOR is provided as it is, without any warranty. Check the results before you"),
        QStringLiteral(
            "   grade anybody with them: you alone are responsible for the decisions you base"),
        QStringLiteral("   on the program's output."),
        QString(),
        QStringLiteral(
            "4. Keep copies of your data files. The authors of KOR are not liable for any loss"),
        QStringLiteral("   of data or any other damage that may arise from using the program."),
        QString(),
        QStringLiteral("By using KOR you accept these terms."),
    };
}

}  // namespace kor::ui::help
