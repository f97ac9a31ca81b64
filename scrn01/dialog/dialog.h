// Configuration dialog (template 2003): operations its source files share.
//   dlgframe.cpp   dialog procedure, pages, sliders, load and save
//   dlgmarks.cpp   run-time texts and the bitmap marks
//   dlgsets.cpp    set number, scene values and the program
//   dlgfish.cpp    pattern rows, fish quantity and size, Direct Size, Guest Fish
//   dlgscreen.cpp  screen height, scroll speed, picture scale, other monitors and back colours
// Every operation takes the dialog window; the edits themselves are in dlgedit.h.
#pragma once

#include "resources/resource.h"

#include <windows.h>

const int PageSection = 1;  // page codes of DlgTagDsp
const int PageGeneral = 2;
const int FishMarks = 37;             // hbm: 0 no fish, 1..35 kinds, 36 error mark
const int BackMarks = 33;             // hcb: 0..31 pictures, 32 error picture
const int ButtonMarks = 6;            // "B01".."B06"
const UINT WM_SPINREAD = WM_APP + 1;  // wParam slot k: read spin k after it moved

extern int tabpg;  // tab item whose page is shown
extern HBITMAP hbb0, hbb1, hbb2, hbb3, hbb4, hbb5;
extern HBITMAP hbm[FishMarks];
extern HBITMAP hcb[BackMarks];
extern char ic01[10];  // resource name being loaded

// ---- Frame (dlgframe.cpp) ----
void DlgTabini(HWND hTab);
void DlgTagDsp(HWND hDlg, int Tg1);
void SliderSet(HWND hDlg);
// Loads the now current set and shows every Section-page control again.
void SetRefresh(HWND hDlg);

void EnableIds(HWND hDlg, const int* ids, int n, bool on);
void ShowIds(HWND hDlg, const int* ids, int n, bool on);
void SetCheck(HWND hDlg, int id, bool on);
// Checks radio first + i of the group first..last.
void SetRadio(HWND hDlg, int first, int last, int i);
// A number in decimal into a control's text (through bf1).
void SetNumber(HWND hDlg, int id, int v);
// Shows a change type (1 Random, 2 Round, 3 Repeat) in the three radios from
// first on; any other value becomes Random.
void ChangeTypeSet(HWND hDlg, int first, int& type);

// Slider family: each slider shows one field, its number display beside it.
enum SliderNo { SlPGL, SlFish, SlFGSiz, SlFqua, SlFsiz, SlFdis, SlBackCS, SlSSpe, SliderCount };
void SliderRange(HWND hDlg, int s);
void SliderPos(HWND hDlg, int s);
void SliderNN(HWND hDlg, int s);
void PGLSliderPos(HWND hDlg);
void PGLSliderNN(HWND hDlg);
void FishSliderPos(HWND hDlg);
void FishSliderNN(HWND hDlg);
void GeneralSizeSliderPos(HWND hDlg);
void GeneralSizeSliderNN(HWND hDlg);
void QuantitySliderPos(HWND hDlg);
void QuantitySliderNN(HWND hDlg);
void SizeSliderPos(HWND hDlg);
void SizeSliderNN(HWND hDlg);
void DispersionSliderPos(HWND hDlg);
void DispersionSliderNN(HWND hDlg);
void BackColorSliderPos(HWND hDlg);
void BackColorSliderNN(HWND hDlg);
void ScrollChangeSpeedPos(HWND hDlg);
void ScrollChangeSpeedNN(HWND hDlg);

// ---- Texts and marks (dlgmarks.cpp) ----
void ButtonMarkSetini(HWND hDlg);
void FishMarkSetini();
void BackColorSetini();
void DlgTextSetini(HWND hDlg);
void FishMarkSet(HWND hDlg);
void BackColorPicSet(HWND hDlg, int k);

// ---- Sets and program (dlgsets.cpp) ----
void SetNoSet(HWND hDlg);
void PGLRndFlgSet(HWND hDlg);
void PGCSet(HWND hDlg);
void PgonFlgSet(HWND hDlg);
void PGpageSet(HWND hDlg);
void PGpSet(HWND hDlg, int k);
void ProgramChangeTypeSet(HWND hDlg);
void ProgramFFCheckSet(HWND hDlg);
// Draws a program row label with each number over its slot.
void PgRowDraw(HWND hDlg, const DRAWITEMSTRUCT* di);
bool SetsCommand(HWND hDlg, int id);

// ---- Fish patterns (dlgfish.cpp) ----
void FishNoSet(HWND hDlg);
void FishPattrnDOWNPSet(HWND hDlg);
void FishPattrnUPSet(HWND hDlg);
void FDOWNSet(HWND hDlg);
void FUPSet(HWND hDlg);
void RealNumberCheckSet(HWND hDlg);
void FishSliderSet(HWND hDlg);
void GeneralSizeFlgSet(HWND hDlg);
void GuestFishSet(HWND hDlg);
bool FishCommand(HWND hDlg, int id);

// ---- Screen and back colours (dlgscreen.cpp) ----
void ScreenHeightSet(HWND hDlg);
void OtherMonitorsSetini(HWND hDlg);  // the choices of "Other Monitors"
void OtherMonitorsSet(HWND hDlg);     // "Other Monitors" shows m_nOtherMon
void PictureScaleSetini(HWND hDlg);   // the choices of "Picture Scale"
void PictureScaleSet(HWND hDlg);      // "Picture Scale" shows m_nPicScale
void BackColorCheckSet(HWND hDlg, int k);
void BackColorCheckSetini(HWND hDlg);
void BackColorPicSetini(HWND hDlg);
void BackColorSpinRange(HWND hDlg, int k);
void BackColorSpinPos(HWND hDlg, int k);
void BackColorSpinSet(HWND hDlg);
void BackColorChangeSet(HWND hDlg);
void BackColorFFCheckSet(HWND hDlg);
void BackCKSet(HWND hDlg);
// A notification of spin k: the picture follows the spin's position. The
// notification sent before a step is answered once the step is done.
void BackColorSpinNotify(HWND hDlg, int k, UINT code);
void BackColorSpinRead(HWND hDlg, int k);
bool ScreenCommand(HWND hDlg, int id);
