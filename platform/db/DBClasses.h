#pragma once
// Registers the data layer's classes (datasets, fields, data sources, data-aware controls)
// so that form descriptions may name them. Call once at start-up, after RegisterVclClasses.
void RegisterDBClasses();
