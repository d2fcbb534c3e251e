// Platform layer: services the program expects from the host system.
