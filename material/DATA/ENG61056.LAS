The Mary Celeste
--------------------------------
Early in December 1872, the sailors of a British ship called the Dei Gratia saw another ship far away on the Atlantic Ocean, between the Azores and the coast of Portugal. She was moving strangely. Her sails were torn, and she seemed to turn this way and that with the wind, as if nobody was steering her.

The captain of the Dei Gratia, David Morehouse, looked at her through his telescope. He knew the ship. She was the Mary Celeste, an American ship that had left New York about a month earlier. Some people say that Captain Morehouse had even met her captain, Benjamin Briggs, in New York before the two ships sailed. He called to the Mary Celeste again and again, but no one answered. So he sent some of his men across in a small boat.

What they found has puzzled people for more than a hundred and fifty years. There was nobody on board. Not one person. The ship was wet, and there was some water in the bottom of it, but she was not sinking. There was food and fresh water for six months. The sailors' clothes, boots and pipes were still in their places. The captain's cabin was in order. Only a few things were missing: the ship's lifeboat, some of the captain's papers and an instrument that sailors used to find their position.

Ten people had sailed from New York on the Mary Celeste: Captain Briggs, his wife Sarah, their two-year-old daughter Sophia and seven sailors. None of them was ever seen again.

The ship was carrying more than seventeen hundred barrels of alcohol to Genoa in Italy. The last note in the ship's log was written on the twenty-fifth of November, near the Azores. After that, nothing.

The men of the Dei Gratia sailed the Mary Celeste to Gibraltar. There, many people asked questions. Had there been a fight? Had pirates attacked the ship? But nothing had been stolen, and there was no sign of fighting.

Since then, people have suggested all kinds of answers. Some say that the alcohol in the barrels gave off gas, and that the captain feared an explosion. Others think that a storm or a small earthquake under the sea frightened everybody. Perhaps Captain Briggs believed that his ship was sinking. In any case, it seems that everybody left in the lifeboat in a great hurry, and that the lifeboat was lost in the huge ocean.

Nobody knows for certain. That is why, even today, the name Mary Celeste is used for any place that people have suddenly left, where everything is still in its place but nobody is there.
