// Placeholder, replaced in the next commit.
