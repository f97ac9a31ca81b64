// Run-time texts of the configuration dialog. The settings file may replace
// any of them (keys 1..63, 100); each buffer holds its capacity plus the terminator.
#pragma once

const int DlgTextMax = 63;      // settings-file keys 1..63: the texts below but DLT_DLG
const int DlgCaptionKey = 100;  // settings-file key of DLT_DLG

extern char DLT_General[14];
extern char DLT_DirectSize[20];
extern char DLT_NewFish[14];
extern char DLT_GuestFish[14];
extern char DLT_FishSize[20];
extern char DLT_FS_Small[20];
extern char DLT_FS_Big[20];
extern char DLT_Screen[10];
extern char DLT_Height[10];
extern char DLT_Low[10];
extern char DLT_Midum[10];
extern char DLT_High[10];
extern char DLT_Full[10];
extern char DLT_ScrollSpeed[20];
extern char DLT_SS_Fast[20];
extern char DLT_SS_Slow[20];
extern char DLT_ProgramOn[20];
extern char DLT_Program[20];
extern char DLT_Off[6];
extern char DLT_PG_CHGType[20];
extern char DLT_PG_Random[20];
extern char DLT_PG_Round[20];
extern char DLT_PG_Repeat[20];
extern char DLT_OK[8];
extern char DLT_Cancel[8];
extern char DLT_EachScene[20];
extern char DLT_SetNo[20];
extern char DLT_SceneLength[20];
extern char DLT_RepAny[20];
extern char DLT_RepLump[20];
extern char DLT_SL_Random[30];
extern char DLT_SL_Short[12];
extern char DLT_SL_Long[12];
extern char DLT_Quantity[12];
extern char DLT_Qt_Small[12];
extern char DLT_Qt_Many[12];
extern char DLT_FishClass[30];
extern char DLT_FC_Quantity[12];
extern char DLT_FCQ_RealNum[30];
extern char DLT_FCQ_Small[12];
extern char DLT_FCQ_Many[12];
extern char DLT_Size[12];
extern char DLT_SZ_BSize[12];
extern char DLT_BS_Small[12];
extern char DLT_BS_Big[12];
extern char DLT_SZ_Disp[12];
extern char DLT_DS_Small[12];
extern char DLT_DS_Big[12];
extern char DLT_BackColor[12];
extern char DLT_ChangeSpeed[20];
extern char DLT_BC_Fast[20];
extern char DLT_BC_Slow[20];
extern char DLT_BC_CHGType[20];
extern char DLT_BC_Random[20];
extern char DLT_BC_Round[20];
extern char DLT_BC_Repeat[20];
extern char DLT_Scene[20];
extern char DLT_SC_REP[20];
extern char DLT_SetADD[8];
extern char DLT_SetDLT[8];
extern char DLT_PgReset[8];
extern char DLT_BC_FF[16];
extern char DLT_PgFF[16];
extern char DLT_DLG[30];     // dialog caption

// Every text back to its default (tests call it for a clean state).
void DlgTextReset();

// Text buffer of settings-file key 1..63 or 100 and its size (terminator
// included); null for any other key.
char* DlgTextTarget(int key, int* size);
