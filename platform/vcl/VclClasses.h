#pragma once
// The one place that knows every class of the framework: call once at start-up, before
// reading a form description, so that descriptions may name any of them.
void RegisterVclClasses();
