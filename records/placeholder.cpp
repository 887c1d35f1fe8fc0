// Replaced by the best-times code.
