#include "display/PanelLabels.h"

#include "texts/TextTables.h"

namespace {

constexpr int NORMAL = 400;
constexpr int BOLD = 700;
constexpr int VERTICAL = 900;

bool OneOf(int language, int a, int b, int c = -1) { return language == a || language == b || language == c; }

}  // namespace

LabelFont PanelLabelFont(int element, int language)
{
    language = LanguageOrEnglish(language);
    switch (element) {
    case 1:
        return {14, BOLD, 0};
    case 3:
    case 28:
    case 29:
        if (OneOf(language, LANGUAGE_GERMAN, LANGUAGE_POLISH))
            return {12, NORMAL, 0};
        if (element != 3 && OneOf(language, LANGUAGE_FRENCH, LANGUAGE_SPANISH))
            return {11, NORMAL, 0};
        break;
    case 15:
    case 16:
    case 17:
        if (OneOf(language, LANGUAGE_FRENCH, LANGUAGE_DUTCH, LANGUAGE_RUSSIAN))
            return {12, NORMAL, 0};
        break;
    case 38:
    case 39:
        if (language == LANGUAGE_POLISH)
            return {12, NORMAL, 0};
        break;
    case 53:
    case 54:
    case 55:
        // The column heads have 75 pixels under the temperature chart when it fills its box.
        return {language == LANGUAGE_RUSSIAN ? 12 : 14, NORMAL, VERTICAL};
    default:
        break;
    }
    return {14, NORMAL, 0};
}
