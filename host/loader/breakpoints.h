// A menu's breakpoint records as the host reaches them: through LoadBreakpointData and Serialize
// only, learning the records from the stored block decoded with the model's own code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/loader/session.h"
#include "model/breakpoint_record.h"

// The breakpoints the object has records for, as the numbers the host switches to: -1 first, then
// the others in ascending order. A key that no number is written as ("007", "wide") cannot be
// switched to and is left out; it stays in the block all the same.
std::vector<int32_t> BreakpointKeys(Session& session);

// Switches the object to the breakpoint (LoadBreakpointData) and remembers it in the session. With
// a record, its twelve values take effect; without one, the values in effect stay, and the next
// Properties OK creates the record with them.
void SwitchBreakpoint(Session& session, int32_t key);

// The twelve values the object holds now, those of the breakpoint in effect.
BreakpointValues BreakpointValuesInEffect(Session& session);

// Adds a record for a width above 0 that has none, holding the values in effect. The object keeps
// its current breakpoint. UsageError for a width that is not above 0 or already has a record.
void AddBreakpoint(Session& session, int32_t width);

// Removes the record of the key. UsageError for -1 (the default layout every other breakpoint
// starts from) and for a key without record. Loading merges records, so the object that holds the
// rest is a new one (ReplaceMenu); on any failure the session keeps its old object.
void RemoveBreakpoint(Session& session, const HostSettings& settings, int32_t key);

// Replaces the session's object by a new one that holds exactly the block: made through the module,
// given the host's settings, the block loaded, then switched to the session's breakpoint. Loading a
// block into the same object merges its records with those the object has, so a record added since
// the block was stored would survive; restoring an earlier state (undo, a removed record) needs this.
// A CommandError leaves the session as it was.
void ReplaceMenu(Session& session, const HostSettings& settings, const std::string& block);

// The object's block as a menu file keeps it: the default (-1) record's values in the twelve fields,
// whichever breakpoint is in effect. A file is loaded at -1, so a block stored at another
// breakpoint would show that breakpoint's sizes as the default layout, and the next Properties OK
// would store them under -1.
std::string DefaultBreakpointBlock(Session& session);
