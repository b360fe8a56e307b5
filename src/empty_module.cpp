// Stands in for a subsystem folder that has no source file yet.
