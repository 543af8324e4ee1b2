#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/menu_list.h"
#include "support/running_menu.h"

// The picture under the test dialog is one colour, so whatever the list
// draws shows as pixels of another colour.
constexpr COLORREF kPictureColour = RGB(40, 150, 90);

struct Entry {
    std::string name;
    std::string marker = "Primary";
};

// "Entry 0", "Entry 1", ...: one line each.
std::vector<Entry> NumberedEntries(int count);

// What the dialog shows over the list window, in list window coordinates.
struct Pixels {
    int width = 0;
    std::vector<COLORREF> colours;
    COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y * width + x)]; }
};

// The real menu dialog with a list of the given entries over a plain picture.
// The dialog's procedure is wrapped so that the tests see every
// UM_CURRENTITEM and UM_ACTIVATEITEM; activations go no further, so no
// command is ever started.
class MenuListTest : public ::testing::Test {
protected:
    void Open(const std::vector<Entry>& entries);
    void TearDown() override;

    HWND List() const { return menu->Control(1000); }
    MenuList& Menu() const;
    const std::vector<int>& CurrentItems() const { return currentItems; }
    const std::vector<int>& Activations() const { return activations; }
    void ForgetMessages();

    int Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int Top() const { return Send(LB_GETTOPINDEX); }
    int Selection() const { return Send(LB_GETCURSEL); }
    int RowHeight(int row) const { return Send(LB_GETITEMHEIGHT, row); }
    RECT RowRect(int row) const;
    RECT ClientRect() const;
    RECT WindowRect() const;  // at the origin
    int HitCode(POINT listPoint) const;
    POINT OnScreen(POINT listPoint) const;

    // Puts the pointer on a point of the list and waits until the system
    // reports it there; the list hears nothing of it.
    void MovePointer(POINT listPoint);
    // Moves the pointer and lets the list track it, as a real move would.
    void PointAt(POINT listPoint);
    void Key(WPARAM key) const { Send(WM_KEYDOWN, key, 1); }
    void Click(UINT message, POINT listPoint) const;
    // Dispatches what is queued except the system's mouse messages: under
    // Wine a warped pointer's own messages may arrive after the pointer has
    // been moved on. The tests tell the list of every move themselves.
    void Pump();
    // Repaints what is invalid and copies what the dialog shows.
    Pixels CaptureList();

    std::unique_ptr<RunningMenu> menu;

private:
    static LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static MenuListTest* current;
    WNDPROC dialogProc = nullptr;
    std::vector<int> currentItems;
    std::vector<int> activations;
};

// Thirty one-line rows, more than the list shows, scrolled to the top.
class ScrollingListTest : public MenuListTest {
protected:
    void SetUp() override;

    RECT Bar() const;
    RECT Track() const;
    POINT UpArrow() const { return POINT{Bar().left + 8, 9}; }
    POINT DownArrow() const { return POINT{Bar().left + 8, Bar().bottom - 10}; }
    // A press (or the second press of a double click) on the bar, with the
    // pointer there.
    void Press(POINT listPoint, UINT message = WM_NCLBUTTONDOWN);
    void Release();
    void Tick(int count = 1) const;
    void DragTo(POINT listPoint);
    // The thumb as painted: the rows of the track whose left column has the
    // thumb's edge grey (213) between its two white end pixels.
    RECT PaintedThumb();
};
