// filled in with the window geometry
