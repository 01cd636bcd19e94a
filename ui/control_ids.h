/* Resource and control IDs of the bracing program, shared by the resource
 * script and the dialog code. Plain #defines so that windres reads it. */
#ifndef BRACING_UI_CONTROL_IDS_H
#define BRACING_UI_CONTROL_IDS_H

#define IDD_MAIN        100
#define IDI_APP         101
#define IDB_SCHEMATIC   102
#define IDD_ABOUT       200

#ifndef IDOK
#define IDOK            1
#endif
#ifndef IDCANCEL
#define IDCANCEL        2
#endif
#define IDM_ABOUT       103
#define IDM_EXIT        104

/* Input fields */
#define ID_H            701
#define ID_B            702
#define ID_N            703
#define ID_T            704
#define ID_W            705
#define ID_A            706
#define ID_I            707

/* Results, tension diagonals */
#define ID_T_N          711
#define ID_T_NT         712
#define ID_T_LX         713
#define ID_T_RX         714
#define ID_T_LY         715
#define ID_T_RY         716
#define ID_T_F          717

/* Results, compression diagonals */
#define ID_C_N          721
#define ID_C_NT         722
#define ID_C_LX         723
#define ID_C_RX         724
#define ID_C_LY         725
#define ID_C_RY         726
#define ID_C_U          727
#define ID_C_F          728

#endif
