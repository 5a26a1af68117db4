# Linux: the saved game an INI file renamed into place, SIGTERM, flock(); the rest as on
# Windows.
target_sources(zentar_ui PRIVATE ${ZENTAR_DESKTOP})
