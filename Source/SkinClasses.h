#pragma once
// RegisterSkinClasses: readies the skin library and makes every skinned component class
// known to the form reader, but the data-aware ones (Source/db/SKDBClasses.h). Call once at
// start-up, before any form is read.
void RegisterSkinClasses();
