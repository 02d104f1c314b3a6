// The roster tables, shared by every screen.
#pragma once

struct RosterTables {};
