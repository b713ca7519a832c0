// The command table: the commands that the module registers with the host, and their entry
// functions. Each entry function takes no argument and returns 5100 on every path.
#pragma once

int CaltFlexNormal();
int CaltFlexOblique();
int CaltDeepFlexNormal();
int CaltDeepFlexOblique();
int CaltPillar();
int CaltGeneral();
int CaltDiecutting();
int CaltLocalPress();
int CaltRectBoard();
int CaltStairBoard();
int CaltBeamStair();
int CaltContinuousBeam();
int CaltAtypicalBoard();
int CaltBeamWell();
int CaltPreCom();

// Registers every command of the table with the host's registry, in table order.
void RegisterCaltFuncs();
