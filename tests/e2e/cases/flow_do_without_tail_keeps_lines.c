do {
}

