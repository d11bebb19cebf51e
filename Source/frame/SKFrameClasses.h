#pragma once
// Registers the skinned frame's classes (popup menu, title bar, form) for form descriptions.
void RegisterFrameClasses();
