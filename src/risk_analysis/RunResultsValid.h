#pragma once

// True while the last run's results may be shown: set when a run starts, cleared by a run that
// found a missing hazard or accident and by the commands that change what was run (opening a
// system, selecting another version, Edit, adding a node in the editor). The editor and the
// diagram show safe ends only while it is set.
extern bool g_RunResultsValid;
