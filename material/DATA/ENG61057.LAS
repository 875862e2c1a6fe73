The Settlers
--------------------------------
In the spring of 1868 the harvest had failed in Småland for the second year running. The potatoes were small and black, and there was hardly any bread. One evening Karin's father put a letter on the kitchen table. It came from his cousin Anders, who had gone to America three years before.

"There is land here for everyone who is willing to work," Anders wrote. "Come to Minnesota. The soil is deep and rich, and no one goes hungry."

Karin was eleven. She had never been further from home than the market town. Now the Lindqvist family sold their cow, their chairs and their spinning wheel, and packed everything they still owned into two wooden chests. Grandmother gave Karin a small silver spoon to take with her. "So that you will always have something to eat with," she said, and tried to smile.

The journey took almost two months. They went by train to Gothenburg and by ship across the North Sea to Hull in England. Another train took them across England to Liverpool. There they boarded a big steamship with hundreds of other families from Sweden, Norway, Ireland and Germany. The crossing to New York took twelve days. Karin's little brother Erik was seasick nearly the whole time, but Karin spent every hour she could on deck, learning English words from an Irish girl called Bridget.

From New York they travelled west by train for many days, and the last part of the way they went by ox cart. When they finally reached their land, there was nothing on it but grass, taller than Erik, stretching as far as they could see.

That first summer they lived in a tent. Karin's father and mother cut down trees by the creek and built a small log cabin with one room and a fireplace. Karin and Erik carried water, collected wood and scared the birds away from the little field of wheat.

The first winter was harder than anything they had known in Sweden. Snow covered the cabin up to the window, and the wind howled across the prairie for days. When their flour ran out in February, a Norwegian neighbour, Mr Olsen, came on skis through the snow with a sack of flour and a smoked ham. He would not take any money. "Next year you will help someone else," he said.

In the spring the snow melted, and the wheat came up green and strong. Karin wrote a long letter to her grandmother. At the end she wrote: "We are well. We have bread every day. And I still have the silver spoon."

Many years later, when Karin had grandchildren of her own, the spoon lay in a glass box on her kitchen shelf. And every new family that came to the valley got a sack of flour from her in their first winter.
