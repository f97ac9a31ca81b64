// Default run-time texts of the configuration dialog.
#include "scrn01/store/dlgtext.h"
#include "scrn01/settings/startvalues.h"

char DLT_General[14] = "General";
char DLT_DirectSize[20] = "Direct Size";
char DLT_NewFish[14] = "New Fish";
char DLT_GuestFish[14] = "Guest Fish";
char DLT_FishSize[20] = "Fish Size";
char DLT_FS_Small[20] = "Small (50)";
char DLT_FS_Big[20] = "Big   (300)";
char DLT_Screen[10] = "Screen";
char DLT_Height[10] = "Height";
char DLT_Low[10] = "Low";
char DLT_Midum[10] = "Midum";
char DLT_High[10] = "High";
char DLT_Full[10] = "Full";
char DLT_ScrollSpeed[20] = "Scroll Speed";
char DLT_SS_Fast[20] = "Fast  (1)";
char DLT_SS_Slow[20] = "Slow (50)";
char DLT_ProgramOn[20] = "Program On";
char DLT_Program[20] = "Program";
char DLT_Off[6] = "Off";
char DLT_PG_CHGType[20] = "Change Type";
char DLT_PG_Random[20] = "Random";
char DLT_PG_Round[20] = "Round";
char DLT_PG_Repeat[20] = "Repeat";
char DLT_OK[8] = "OK";
char DLT_Cancel[8] = "Cancel";
char DLT_EachScene[20] = "Section";
char DLT_SetNo[20] = "Set No.";
char DLT_SceneLength[20] = "Length";
char DLT_RepAny[20] = "Any";
char DLT_RepLump[20] = "Lump";
char DLT_SL_Random[30] = "Random(-3to+3)";
char DLT_SL_Short[12] = "Short (1)";
char DLT_SL_Long[12] = "Long (30)";
char DLT_Quantity[12] = "Quantity";
char DLT_Qt_Small[12] = "Small  (1)";
char DLT_Qt_Many[12] = "Many";
char DLT_FishClass[30] = "Fish Classification";
char DLT_FC_Quantity[12] = "Quantity";
char DLT_FCQ_RealNum[30] = "Real Number(Max)";
char DLT_FCQ_Small[12] = "Small (0)";
char DLT_FCQ_Many[12] = "Many (100)";
char DLT_Size[12] = "Size";
char DLT_SZ_BSize[12] = "Basic Size";
char DLT_BS_Small[12] = "Small (50)";
char DLT_BS_Big[12] = "Big  (200)";
char DLT_SZ_Disp[12] = "Dispersion";
char DLT_DS_Small[12] = "Small (0)";
char DLT_DS_Big[12] = "Big  (50)";
char DLT_BackColor[12] = "Back Color";
char DLT_ChangeSpeed[20] = "Change Speed";
char DLT_BC_Fast[20] = "Fast  (50)";
char DLT_BC_Slow[20] = "Slow (500)";
char DLT_BC_CHGType[20] = "Change Type";
char DLT_BC_Random[20] = "Random";
char DLT_BC_Round[20] = "Round";
char DLT_BC_Repeat[20] = "Repeat";
char DLT_Scene[20] = "Scene";
char DLT_SC_REP[20] = "Replacement";
char DLT_SetADD[8] = "Add";
char DLT_SetDLT[8] = "DLT";
char DLT_PgReset[8] = "Reset";
char DLT_BC_FF[16] = "From First";
char DLT_PgFF[16] = "From First";
char DLT_DLG[30] = "PondelHarbor Screen Saver";

static const StartValues DlgTextStart(DLT_General, DLT_DirectSize, DLT_NewFish, DLT_GuestFish,
                                      DLT_FishSize, DLT_FS_Small, DLT_FS_Big, DLT_Screen,
                                      DLT_Height, DLT_Low, DLT_Midum, DLT_High, DLT_Full,
                                      DLT_ScrollSpeed, DLT_SS_Fast, DLT_SS_Slow, DLT_ProgramOn,
                                      DLT_Program, DLT_Off, DLT_PG_CHGType, DLT_PG_Random,
                                      DLT_PG_Round, DLT_PG_Repeat, DLT_OK, DLT_Cancel,
                                      DLT_EachScene, DLT_SetNo, DLT_SceneLength, DLT_RepAny,
                                      DLT_RepLump, DLT_SL_Random, DLT_SL_Short, DLT_SL_Long,
                                      DLT_Quantity, DLT_Qt_Small, DLT_Qt_Many, DLT_FishClass,
                                      DLT_FC_Quantity, DLT_FCQ_RealNum, DLT_FCQ_Small, DLT_FCQ_Many,
                                      DLT_Size, DLT_SZ_BSize, DLT_BS_Small, DLT_BS_Big, DLT_SZ_Disp,
                                      DLT_DS_Small, DLT_DS_Big, DLT_BackColor, DLT_ChangeSpeed,
                                      DLT_BC_Fast, DLT_BC_Slow, DLT_BC_CHGType, DLT_BC_Random,
                                      DLT_BC_Round, DLT_BC_Repeat, DLT_Scene, DLT_SC_REP,
                                      DLT_SetADD, DLT_SetDLT, DLT_PgReset, DLT_BC_FF, DLT_PgFF,
                                      DLT_DLG);

void DlgTextReset()
{
    DlgTextStart.Restore();
}

#define T(x) { x, (int)sizeof x }
static const struct { char* text; int size; } DlgTexts[DlgTextMax] = {
    T(DLT_General), T(DLT_DirectSize), T(DLT_NewFish),
    T(DLT_GuestFish), T(DLT_FishSize), T(DLT_FS_Small),
    T(DLT_FS_Big), T(DLT_Screen), T(DLT_Height),
    T(DLT_Low), T(DLT_Midum), T(DLT_High),
    T(DLT_Full), T(DLT_ScrollSpeed), T(DLT_SS_Fast),
    T(DLT_SS_Slow), T(DLT_ProgramOn), T(DLT_Program),
    T(DLT_Off), T(DLT_PG_CHGType), T(DLT_PG_Random),
    T(DLT_PG_Round), T(DLT_PG_Repeat), T(DLT_OK),
    T(DLT_Cancel), T(DLT_EachScene), T(DLT_SetNo),
    T(DLT_SceneLength), T(DLT_RepAny), T(DLT_RepLump),
    T(DLT_SL_Random), T(DLT_SL_Short), T(DLT_SL_Long),
    T(DLT_Quantity), T(DLT_Qt_Small), T(DLT_Qt_Many),
    T(DLT_FishClass), T(DLT_FC_Quantity), T(DLT_FCQ_RealNum),
    T(DLT_FCQ_Small), T(DLT_FCQ_Many), T(DLT_Size),
    T(DLT_SZ_BSize), T(DLT_BS_Small), T(DLT_BS_Big),
    T(DLT_SZ_Disp), T(DLT_DS_Small), T(DLT_DS_Big),
    T(DLT_BackColor), T(DLT_ChangeSpeed), T(DLT_BC_Fast),
    T(DLT_BC_Slow), T(DLT_BC_CHGType), T(DLT_BC_Random),
    T(DLT_BC_Round), T(DLT_BC_Repeat), T(DLT_Scene),
    T(DLT_SC_REP), T(DLT_SetADD), T(DLT_SetDLT),
    T(DLT_PgReset), T(DLT_BC_FF), T(DLT_PgFF),
};
#undef T

char* DlgTextTarget(int key, int* size)
{
    if (key >= 1 && key <= DlgTextMax) {
        *size = DlgTexts[key - 1].size;
        return DlgTexts[key - 1].text;
    }
    if (key == DlgCaptionKey) {
        *size = (int)sizeof DLT_DLG;
        return DLT_DLG;
    }
    return nullptr;
}
