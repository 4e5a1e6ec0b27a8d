// A panel layout without a window: the element arrays of a language, a client size, and a record
// of which panels were laid out.
#pragma once
#include "display/PanelGeometry.h"
#include "display/PanelLayout.h"
#include "texts/TextTables.h"

#include <ostream>
#include <string>
#include <vector>

constexpr int TEST_CLIENT_WIDTH = 955;
constexpr int TEST_CLIENT_HEIGHT = 690;

class TestLayout : public CPanelLayout {
public:
    explicit TestLayout(int language = LANGUAGE_ENGLISH)
    {
        m_clientWidth = TEST_CLIENT_WIDTH;
        m_clientHeight = TEST_CLIENT_HEIGHT;
        Select(language);
    }
    TestLayout(const TestLayout&) = delete;
    TestLayout& operator=(const TestLayout&) = delete;

    void Select(int language)
    {
        const std::wstring names[6] = {L"Kitchen", L"Garden", L"Garage", L"Attic", L"Cellar", L"Pond"};
        LoadLanguageElements(language, names);
    }

    struct Box {
        int x, y, w, h;
    };
    Box At(int k) const { return {m_elemX[k], m_elemY[k], m_elemW[k], m_elemH[k]}; }
    std::wstring Caption(int k) const { return m_elemCaption[k].str(); }
    bool Hidden(int k) const { return IsHidden(k); }

    std::vector<int> upperRuns, lowerRuns;

protected:
    void OnUpperPanelLaidOut(int variant) override { upperRuns.push_back(variant); }
    void OnLowerPanelLaidOut(int variant) override { lowerRuns.push_back(variant); }
};

inline bool operator==(const TestLayout::Box& a, const TestLayout::Box& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

inline std::ostream& operator<<(std::ostream& out, const TestLayout::Box& b)
{
    return out << "{" << b.x << ", " << b.y << ", " << b.w << ", " << b.h << "}";
}
