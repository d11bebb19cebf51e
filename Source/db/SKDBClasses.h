#pragma once
// RegisterSkinDBClasses: the skinned data-aware controls, which live in a library of their
// own (Quorvane::skin_db) so that a program without them needs neither the data layer nor
// SQLite. Call once at start-up, before any form is read; it registers the rest of the skin
// too (RegisterSkinClasses).
void RegisterSkinDBClasses();
