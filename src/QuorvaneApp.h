#pragma once
// The start-up shared by the program and its tests: resources and classes made known, the
// application titled, the reference window created as the main form and the loop run.

// Makes the forms' descriptions and classes findable; harmless to call more than once.
void RegisterQuorvane();
// Runs the application on the backend already selected; returns the program's exit status.
// An exception that escapes is shown by the application's exception display.
int RunQuorvane();
