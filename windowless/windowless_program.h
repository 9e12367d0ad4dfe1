#pragma once

// The windowless program: the console program's scan and exit status, with
// nothing printed and nothing shown.
int RunWindowlessProgram(int argumentCount, char** arguments);
