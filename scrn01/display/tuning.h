// Display tuning values and power flags: settings-file keys 2001..2011
// (FileRead1) may replace them; the saver window and the frame update read them.
#pragma once

const int Speed1Default = 300;   // preview timer period, ms
const int Speed2Default = 70;    // full-screen timer period, ms

extern int nSpeed1;          // preview timer period, ms
extern int nSpeed2;          // full-screen timer period, ms
extern int nSp1;             // dash odds (499)
extern int m_nJPF;           // 1: Japanese-script title and preview picture
extern int aw1a, aw1b;       // caption blink thresholds (1357, 357)
extern int aw4a, aw4b;       // title blink thresholds (973, 287)

// Power and close policy.
extern int pswf;             // end at once on close requests and power events
extern int psmf;             // end when the monitor powers down
extern int pssf;             // end on suspend and power broadcasts

// Every global above back to its value at start-up, the defaults of the
// settings file (tests call it for a clean state).
void TuningReset();
