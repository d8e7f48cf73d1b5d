#pragma once

namespace venkar {

// The program `venkar`: builds the application, the model and the main
// window, opens the files named on the command line (SYSTEM.vsy and
// LASTFALL.vla, in either order) and runs the event loop. Returns the exit
// status.
//
// Two environment variables serve the tests that start the program as a
// child process: VENKAR_RECOVERY_DELAY_MS shortens the 30 s before a
// recovery copy is written, and VENKAR_TEST_EDIT="ROW COLUMN VALUE" stores
// VALUE into a cell of the node table after the start, as typing it would.
int runProgram(int argc, char** argv);

} // namespace venkar
