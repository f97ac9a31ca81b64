// Resource identifiers.
#pragma once
#define ID_APP 100
#define DLG_SCRNSAVECONFIGURE 2003

// Controls of the configuration dialog, by group. A "+ k" range names the
// first of ten consecutive ids.

// Always shown (with OK 1 and Cancel 2).
#define IDC_TAB 1244

// Section page: set number.
#define IDC_SETLABEL 1147
#define IDC_SETNO 1146
#define IDC_SETNEXT 1171
#define IDC_SETPREV 1172
#define IDC_SETADD 1210
#define IDC_SETDEL 1211

// Section page: Scene, with Length and Replacement.
#define IDC_SCENEBOX 1199
#define IDC_LENGTHBOX 1150
#define IDC_REPBOX 1200
#define IDC_PGLRND 1111
#define IDC_PGLNO 1108
#define IDC_PGLSHORT 1149
#define IDC_PGLLONG 1148
#define IDC_PGLBAR 1023
#define IDC_REPANY 1197
#define IDC_REPLUMP 1198

// Section page: Fish Classification (the pattern row).
#define IDC_FCBOX 1177
#define IDC_ROWLABEL 1183
#define IDC_ROWNO 1109
#define IDC_ROWNEXT 1046
#define IDC_ROWPREV 1047
#define IDC_FISHMARK 1017
#define IDC_KINDDOWN 1205
#define IDC_KINDUP 1206
// Quantity of the row.
#define IDC_FQUABOX 1179
#define IDC_FREA 1096
#define IDC_FQUANO 1103
#define IDC_FQUASMALL 1117
#define IDC_FQUAMANY 1118
#define IDC_FQUABAR 1018
// Size of the row.
#define IDC_SIZEBOX 1100
#define IDC_FSIZLABEL 1085
#define IDC_FSIZNO 1104
#define IDC_FSIZSMALL 1086
#define IDC_FSIZBIG 1087
#define IDC_FSIZBAR 1019
#define IDC_FDISLABEL 1088
#define IDC_FDISNO 1105
#define IDC_FDISSMALL 1089
#define IDC_FDISBIG 1090
#define IDC_FDISBAR 1020

// Section page: Quantity of fish.
#define IDC_FISHBOX 1180
#define IDC_FISHNO 1101
#define IDC_FISHSMALL 1181
#define IDC_FISHMANY 1182
#define IDC_FISHBAR 1016
#define IDC_FISHMAX 1116

// Section page: Fish Size.
#define IDC_FGSIZBOX 1082
#define IDC_FGSIZNO 1102
#define IDC_FGSIZSMALL 1083
#define IDC_FGSIZBIG 1084
#define IDC_FGSIZBAR 1021

// Section page: Back Color, ten slots.
#define IDC_BKBOX 1178
#define IDC_BKLABEL0 1212   // + k, k = 0..9: "1".."10"
#define IDC_BKCHK0 1050     // + k
#define IDC_BKPIC0 1060     // + k
#define IDC_BKSPIN0 1187    // + k
#define IDC_BKTYPEBOX 1121
#define IDC_BKRANDOM 1070
#define IDC_BKROUND 1071
#define IDC_BKREPEAT 1072
#define IDC_BKFF 1112
#define IDC_BKSPEEDBOX 1174
#define IDC_BKSPEEDNO 1106
#define IDC_BKFAST 1119
#define IDC_BKSLOW 1120
#define IDC_BKSPEEDBAR 1073

// General page: top row.
#define IDC_PGON 1099
#define IDC_DIRECTSIZE 1022
#define IDC_GUESTFISH 1097

// General page: Program.
#define IDC_PGBOX 1124
#define IDC_PGPREV 1207
#define IDC_PGNEXT 1208
#define IDC_PGRESET 1209
#define IDC_PGROW0 1201     // upper row label; 1202 the lower
#define IDC_PGROW1 1202
#define IDC_PGSLOT0 1125    // + k, slots 0..4 upper row, 5..9 lower row
#define IDC_PGUP0 1151      // + k
#define IDC_PGDOWN0 1161    // + k
#define IDC_PGTYPEBOX 1173
#define IDC_PGRANDOM 1079
#define IDC_PGROUND 1080
#define IDC_PGREPEAT 1081
#define IDC_PGFF 1110

// General page: Screen.
#define IDC_SCREENBOX 1122
#define IDC_HEIGHTBOX 1123
#define IDC_HLOW 1074       // Low, Midum, High, Full: 1074..1077
#define IDC_HMIDUM 1075
#define IDC_HHIGH 1076
#define IDC_HFULL 1077
#define IDC_SSPEEDBOX 1093
#define IDC_SSPEEDNO 1107
#define IDC_SSFAST 1091
#define IDC_SSSLOW 1092
#define IDC_SSPEEDBAR 1078
#define IDC_PICSCALEBOX 1246
#define IDC_PICSCALE 1247  // drop-down list: "Auto", "1".."4" (PictureScale 0..4)
#define IDC_OTHERMONBOX 1248
#define IDC_OTHERMON 1245  // drop-down list: "Same Picture", "One Aquarium", "Black"
