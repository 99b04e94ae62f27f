# Copies the shipped levels into the game folder. Level files are content and always copied; the
# records file also holds the player's best times, so an existing one is never overwritten.
file(MAKE_DIRECTORY ${DEST})
file(GLOB levels ${SRC}/*.grd)
foreach(level ${levels})
  file(COPY ${level} DESTINATION ${DEST})
endforeach()
if(EXISTS ${SRC}/Recs.ini AND NOT EXISTS ${DEST}/Recs.ini)
  file(COPY ${SRC}/Recs.ini DESTINATION ${DEST})
endif()
