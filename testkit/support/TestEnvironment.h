#pragma once
// Process-wide test safety net, set up by the test main before any test
// runs: $HOME and the XDG folders (the runtime folder too) point at an
// empty decoy folder, so a call that forgets to pass a fixture context can
// never reach the real home, nor a running instance of the program.

#include <string>

namespace tidewell::testing {

// The home folder the process was started with (before the decoy), and the
// password database's home; FixtureHome refuses to become either.
const std::string& originalHome();
const std::string& passwdHome();

// Installs the decoy; called once by the test mains.
void installTestEnvironment();

// Folder under which fixtures are made ($TIDEWELL_FIXTURE_DIR, else the
// system temporary folder). Every test process shares it.
std::string fixtureParent();

// This process's own folder in fixtureParent(), where its fixtures go:
// "tidewell-fixtures-PID-XXXXXX", made on first use. This process holds a
// shared lock on it (flock) for as long as it lives, and so does every child
// forked from it afterwards, which makes its fixtures in the same folder; a
// sweep in another process takes the folder only when its maker is gone and
// nobody holds that lock any more. It is removed at exit when empty.
const std::string& fixtureFolder();

}  // namespace tidewell::testing
