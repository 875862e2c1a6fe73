Brisky and the Eel
--------------------------------
Brisky was a young otter who lived with his mother and his two sisters in a hole under the roots of an old willow tree. The tree stood on the bank of a quick, clear river in the Highlands of Scotland. Brisky got his name because he was never still. He ran, he rolled, he slid down the muddy bank into the water a hundred times a day, and he always wanted to be first.

His mother had taught all three young otters how to catch fish. His sisters were patient. They waited quietly among the stones until a trout swam past, and then they caught it. Brisky was not patient at all. He splashed and dived and chased everything that moved, and usually he came home with nothing but a wet nose.

One evening his mother told them about the eel. "In the deep pool below the waterfall," she said, "lives an eel as long as a branch and as old as the willow tree. Many otters have tried to catch him. Nobody has ever managed it. Keep away from that pool. The water there is cold and dark, and the current is strong."

Of course Brisky could not stop thinking about it. The next morning, before the sun was up, he slipped out of the hole while everybody was asleep and swam down the river to the waterfall.

The pool was very deep. Brisky dived, and at the bottom, between two black rocks, he saw the eel. It was even longer than his mother had said, and its small eyes shone like silver coins. Brisky shot towards it. The eel did not move until the very last moment. Then it slid away, quick as a shadow, and Brisky hit his head on a rock.

He tried again and again. Each time the eel waited, and each time it slipped away. After the tenth try Brisky was so tired that the current caught him and pulled him towards the waterfall. He kicked and struggled, but the water was too strong.

Suddenly something long and smooth pushed against his side. It was the eel. It pushed him out of the current and into the calm water near the bank. Then it swam back to its rocks without a sound.

Brisky climbed out onto the grass and lay there for a long time. When he got home, his mother was waiting for him outside the willow tree. She looked at the bump on his head but said nothing.

From that day on, Brisky learned to wait quietly among the stones like his sisters. He became a very good fisher. But he never again tried to catch the eel. Sometimes, when he swam past the deep pool, he dived down just to say good morning.
