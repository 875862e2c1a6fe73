The Kiss
--------------------------------
When Mrs Patel put the list of parts on the classroom wall, Oliver read it three times. He had wanted to be the dragon. The dragon had the best lines and the best costume, and it did not have to say anything romantic. But there it was in black and white: Prince Florian - Oliver Brooks.

The school play that year was "The Sleeping Princess". Everybody knew how it ended. The prince fights his way through a forest of thorns, finds the princess asleep in her tower and wakes her up with a kiss. The princess was going to be Hannah Clarke, who sat two desks in front of Oliver and was the best goalkeeper in the whole school.

"It's only a kiss on the cheek," Mrs Patel said when Oliver went to see her after the lesson. "And only a pretend one. You lean down, the lights go dim, and Hannah opens her eyes. Nobody will see anything."

Oliver was not sure. For six weeks they practised every Tuesday and Thursday after school. Oliver learned his lines quickly, and he was very good at the sword fight with the thorns, which were made of painted cardboard. But every time they came to the last scene, his face turned as red as a tomato, and his friends in the back row started to giggle. Once he was so nervous that he leaned down and kissed the pillow instead.

At home he practised on Biscuit, his grandmother's old spaniel. Biscuit did not mind at all. She just licked his nose.

The evening of the performance came. The hall was full of parents, grandparents and little brothers and sisters. Oliver fought the thorns, climbed the cardboard tower and found Hannah lying on her bed with her eyes closed. He took a deep breath and leaned down.

At that very moment all the lights in the hall went out. There was a power cut in the whole street. For a few seconds it was completely dark and silent. Then somebody's baby started to cry, and somebody else started to laugh.

When the lights came back on, Hannah was already sitting up and smiling. "My prince," she said loudly, "you have woken me!" The audience clapped and cheered. Nobody knew whether there had been a kiss or not, and Oliver decided never to tell.

After the show, when the other actors were taking off their costumes, Hannah came over to him. She gave him a quick kiss on the cheek. "That's for being a good prince," she said. "And for not kissing the pillow."

Oliver's face turned as red as a tomato again. But this time he did not mind.
