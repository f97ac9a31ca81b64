// Error messages and the error log.
// Every failure is reported through MsgWrt1 with a numbered error point. While
// the configuration dialog runs (m_nMsgon = 1) the line is shown in a message
// box; otherwise it is appended to DirName1 + "PondelErr.log", with the profile
// entry [PondelHarbor] MsgError as fallback.
#pragma once

const int MsgTxtSize = 80;            // message table entry, at most 79 characters

extern char Msg001[MsgTxtSize], Msg002[MsgTxtSize], Msg003[MsgTxtSize], Msg004[MsgTxtSize];
extern char Msg005[MsgTxtSize], Msg006[MsgTxtSize], Msg007[MsgTxtSize], Msg009[MsgTxtSize];
extern char Msg010[MsgTxtSize], Msg011[MsgTxtSize], Msg012[MsgTxtSize];
extern char TITLE[20];                // caption of every message box
extern char MsgStr[256];              // the composed line
extern char DATime[20];               // "yyyy.MM.dd HH:mm" of the last log attempt
extern const char ErrFileName[];      // "PondelErr.log"
extern char DirName1[512];            // installation directory, with its trailing separator
extern int m_nMsgon;                  // 1 while the configuration dialog runs

// Every global above back to its value at start-up (tests call it
// for a clean state).
void MsgLogReset();

void MsgWrt1(int msgno, const char* msg1, const char* msg2, int tp1);
void MsgOut(int tp1);

// When set, MsgOut hands its message boxes to this function instead of the
// system (tests collect them so).
typedef int (*MsgBoxHookFn)(const char* text, const char* caption, unsigned style);
extern MsgBoxHookFn MsgBoxHook;
void WriteLog1();
void SetLocalDateTime();

// Text of message number n (1..12) for replacement by the settings file
// (StrCopyCut with MsgTxtSize); null for numbers without a table entry (8).
char* MsgTableText(int n);

// Bounded copy and append: dst always ends in a terminator, text past cap-1 is cut.
void StrCopyCut(char* dst, int cap, const char* src);
void StrCatCut(char* dst, int cap, const char* src);
