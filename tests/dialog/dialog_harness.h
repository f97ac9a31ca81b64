// Driving the configuration dialog of the real .scr from another process, as
// a user or an outside program can: clicks, the tab, slider and spin moves,
// and reading back texts, states and the pictures on the screen.
#pragma once
#include "../host/saver_harness.h"
#include "../store/record_lines.h"
#include "resources/resource.h"

#include <initializer_list>
#include <string>
#include <vector>

// ---- Scratch installation ----

// The installation key names a fresh folder; the per-user key starts empty.
struct Install {
    std::string dir;  // Windows path, ends in a backslash
};
Install MakeInstall(const char* tag, int fullScreenFlg = 1, int backColorsFlg = 1);
// Removes the folder, the installation key and the per-user key.
void DropInstall(const Install& in);
std::string SharedDataPath(const Install& in);  // PondelData.ini
std::string UserDataPath(const Install& in);    // <user>PondelData.ini

extern const char UserKey[];     // HKEY_CURRENT_USER
extern const char InstallKey[];  // HKEY_CLASSES_ROOT

std::string ReadFileBytes(const std::string& path);  // "" when missing
// The lines of a text file, without their line ends (CR LF or LF).
std::vector<std::string> FileLines(const std::string& text);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// Every value of a registry key, as "name=type:data" lines ("" when the key is missing).
std::string RegDump(HKEY root, const char* path);

// ---- The dialog ----

class Dialog {
public:
    ~Dialog();
    // Starts exe (default: the .scr) with /c and waits for the dialog, closing
    // and keeping every error report shown before it.
    bool Open(const std::string& exe = "");
    // Ends the dialog with OK, Cancel or the close box, closing later reports,
    // and waits for the process; returns its exit code.
    DWORD Ok();
    DWORD Cancel();
    DWORD Close();
    // Ends the dialog with a key (Enter, Esc) pressed on the focused control.
    DWORD Press(WORD vk);

    HWND Item(int id) const;
    std::string Text(int id) const;
    bool Checked(int id) const;
    bool Visible(int id) const;
    bool Enabled(int id) const;
    HWND Focus() const;

    // BM_CLICK on a visible, enabled button; false (and nothing sent) otherwise.
    bool Click(int id);
    void Tab(int item);  // the tab control's focused item
    void Key(WORD vk);   // a key pressed on the focused control
    // Makes the dialog the window that takes real key input.
    bool Foreground() const;
    // Real key input, in one SendInput: a chord such as {VK_CONTROL, VK_TAB}
    // pressed in order and released in reverse, or with apart set each key
    // pressed and released in turn. Waits for the dialog.
    void Keys(std::initializer_list<WORD> keys, bool apart = false);
    void FocusTo(int id);
    // Waits for a dialog that was told to end; returns the exit code.
    DWORD Ended();
    // Moves a trackbar with redraw; returns once its number display shows
    // expect (or after a while).
    void Slide(int id, int pos, int numId, const std::string& expect);
    int SliderPos(int id) const;
    int SliderMin(int id) const;
    int SliderMax(int id) const;
    // Selects item i of a drop-down list, notifying the dialog as a choice
    // with the mouse does; the item selected.
    void Choose(int id, int i);
    int Chosen(int id) const;
    // A mouse click on the upper or lower arrow of an up-down control.
    void Spin(int id, bool up);
    int SpinPos(int id) const;

    // The handle of the icon a button shows.
    HANDLE ButtonImage(int id) const;
    // True when the control shows the named bitmap of exe's resources (the
    // screen pixels of the control, compared with the bitmap), waiting a
    // while for it to be painted.
    bool Shows(int id, const char* name) const;

    // Lets the dialog process what was posted to it.
    void Settle() const;

    HWND dlg = nullptr;
    Proc proc;
    std::vector<std::string> reports;  // error reports seen, in order
    std::string exePath;

private:
    DWORD Finish(HWND to, UINT msg, WPARAM w);
    bool ShowsNow(int id, const char* name) const;
};

// Closes every error report of process pid on the screen; appends their texts.
int TakeReports(DWORD pid, std::vector<std::string>& into);
