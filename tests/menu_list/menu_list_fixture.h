#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/menu_list.h"
#include "support/running_menu.h"

// The picture under the test dialog: one colour, so that whatever the list
// draws shows as pixels of another colour.
constexpr COLORREF kPictureColour = RGB(40, 150, 90);
constexpr COLORREF kPrimaryDisc = RGB(1, 65, 128);
constexpr COLORREF kSecondaryDisc = RGB(254, 172, 2);

// One entry of a test menu.
struct Entry {
    std::string name;
    std::string marker = "Primary";
};

// Entries named "Entry 0", "Entry 1", ...: one line each.
std::vector<Entry> NumberedEntries(int count);

// A rectangle of pixels copied from a window's device context.
struct Pixels {
    RECT area{};
    std::vector<COLORREF> colours;

    COLORREF At(int x, int y) const;
    int Count(const RECT& box, COLORREF colour) const;
};

// The real menu dialog with a list of the given entries over a plain picture.
// The dialog's window procedure is wrapped so that the tests see every
// UM_CURRENTITEM and UM_ACTIVATEITEM the list sends; activations are recorded
// and not passed on, so no command is ever started.
class MenuListTest : public ::testing::Test {
protected:
    void TearDown() override;

    void Open(const std::vector<Entry>& entries);

    HWND Dialog() const { return menu->Dialog(); }
    HWND List() const { return menu->Control(1000); }
    MenuList& Menu() const;

    // What the list told the dialog, in order; each entry is the wParam.
    std::vector<int> CurrentItemMessages() const { return currentItems; }
    std::vector<int> Activations() const { return activations; }
    void ForgetMessages();

    // The list box's own state.
    int Count() const;
    int Top() const;
    int Selection() const;
    int RowHeight(int row) const;
    RECT RowRect(int row) const;
    RECT ClientRect() const;
    RECT WindowRectAtOrigin() const;
    LRESULT HitCode(POINT listPoint) const;

    // Moves the pointer to a point of the list (window-relative) and lets the
    // list track it, as a real move over it would.
    void PointAt(POINT listPoint);
    POINT OnScreen(POINT listPoint) const;
    // Puts the pointer on a point of the list, or of the screen, and waits
    // until the system reports it there; the messages the move queued wait
    // for the next pump.
    void MovePointer(POINT listPoint) { MovePointerOnScreen(OnScreen(listPoint)); }
    static void MovePointerOnScreen(POINT screenPoint);

    void Key(WPARAM key);
    // Dispatches what is queued except the system's mouse messages. Under
    // Wine a moved pointer's own messages may arrive long after the move,
    // when the pointer has been moved on, and would then be taken for a move
    // to its new place. The tests tell the list of every move themselves.
    void Pump();

    // Repaints everything that is invalid and copies what the dialog shows
    // over the list window.
    Pixels CaptureList();

    // Scroll bar parts in list window coordinates.
    RECT BarRect() const;
    RECT TrackRect() const;
    // The thumb as the pixels show it: rows of the track whose left column
    // has the thumb's edge colour.
    RECT PaintedThumb();

    std::unique_ptr<RunningMenu> menu;

private:
    static LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static MenuListTest* current;

    WNDPROC dialogProc = nullptr;
    std::vector<int> currentItems;
    std::vector<int> activations;
};

// A menu of rows that overflow the list, scrolled to the top.
class ScrollingListTest : public MenuListTest {
protected:
    void SetUp() override;

    // Presses on a point of the bar (list window coordinates), with the
    // pointer there, as the system delivers it.
    void PressBar(POINT listPoint);
    void DoubleClickBar(POINT listPoint);
    void ReleaseButton();
    // Delivers ticks of the repeat timer.
    void Tick(int count = 1);
    // Moves the pointer while the list holds the capture: the list hears of
    // it from the system, and once more, at the same place, from the test.
    void MoveWhileCaptured(POINT listPoint);

    POINT UpArrowPoint() const;
    POINT DownArrowPoint() const;
};
