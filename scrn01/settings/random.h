// Random numbers and weighted choice, drawn from the runtime's generator
// (randcall.h). A weighted list is text of items "value:weight" joined by "$",
// for example "1:200$2:100".
#pragma once
#include "scrn01/settings/randcall.h"

const int RTMojiSize = 50;          // item / sub-field buffer size
const int RndmXMax = 50;            // items RndmX keeps
const int LstSize = 500;            // buffer of a weighted list the program builds

extern char RTMoji[RTMojiSize];     // current item of the list scanner
extern char RTMoji2[RTMojiSize];    // current sub-field of RTMoji

// The scanner's buffers emptied and the generator back at its start state.
void RandomReset();

void TMRndm();                          // advance the generator by (time mod 1000) draws
int Rndm(int su11, int su21);           // uniform integer in su11..su21
int RndmX(const char* Moji, int sz);    // weighted choice; sz bounds the scan

int Pamsu(const char* Moji, const char* ku, int sz);      // number of items
void Pam(const char* Moji, int ib1, const char* ku, int sz); // item ib1 (1-based) into RTMoji
void Pam2(int ib1, const char* ku);     // sub-field ib1 of RTMoji into RTMoji2
int Pam3();                             // RTMoji2 as a number

// Append "value:weight" to a list of capacity cap, with "$" before it when the
// list is not empty. An item that does not fit is left out whole.
void LstAdd(char* list, int cap, int value, int weight);
